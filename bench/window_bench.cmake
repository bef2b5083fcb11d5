if(TARGET fif_app)
  add_executable(window_bench ${CMAKE_CURRENT_LIST_DIR}/window_bench.cpp)
  target_link_libraries(window_bench PRIVATE fif_app)
endif()
