if(NOT FIF_ENGINE_ONLY)
  add_executable(result_list_bench ${CMAKE_CURRENT_LIST_DIR}/result_list_bench.cpp)
  target_link_libraries(result_list_bench PRIVATE fif_result_list)
endif()
