# The result list: the record store, the sorting and filtering proxy, and the table view
# with its header, cell painting, filter drop-down and incremental search.
add_library(fif_result_list STATIC
  ${CMAKE_CURRENT_LIST_DIR}/result_delegate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/result_filter_popup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/result_filter_proxy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/result_grid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/result_header.cpp
  ${CMAKE_CURRENT_LIST_DIR}/result_inc_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/result_model.cpp
)
target_link_libraries(fif_result_list PUBLIC Qt6::Widgets fif_search fif_platform_qt)
