# Responsiveness of the folder browser on a folder of 100,000 files; run by hand.
if(TARGET fif_browser)
  add_executable(browser_bench ${CMAKE_CURRENT_LIST_DIR}/browser_bench.cpp)
  target_link_libraries(browser_bench PRIVATE fif_browser)
endif()
