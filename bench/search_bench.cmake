add_executable(search_bench ${CMAKE_CURRENT_LIST_DIR}/search_bench.cpp)
target_link_libraries(search_bench PRIVATE fif_search)
