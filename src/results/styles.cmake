# The syntax styles: the style type, the catalogue of the window's fourteen styles and
# the registry that picks one by file extension. No widgets.
add_library(fif_styles STATIC
  ${CMAKE_CURRENT_LIST_DIR}/memo_styler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/style_catalogue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/style_catalogue_tables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/style_catalogue_php.cpp
  ${CMAKE_CURRENT_LIST_DIR}/style_registry.cpp
)
target_include_directories(fif_styles PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(fif_styles PUBLIC Qt6::Core Qt6::Gui fif_search)
