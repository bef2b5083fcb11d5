# The preview's speed: loading a 100 MB file of 2 million lines and selecting a match on
# its last line, and find-next across 1 million lines. Runs on the offscreen platform.
if(TARGET fif_preview)
  add_executable(preview_bench ${CMAKE_CURRENT_LIST_DIR}/preview_bench.cpp)
  target_link_libraries(preview_bench PRIVATE fif_preview)
endif()
