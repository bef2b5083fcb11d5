# The preview: the code viewer with its own lexer, and the pane logic behind the window's
# handlers. Needs QScintilla for Qt 6 (Debian libqscintilla2-qt6-dev).
find_path(FIF_QSCINTILLA_INCLUDE_DIR Qsci/qsciscintilla.h PATH_SUFFIXES qt6 x86_64-linux-gnu/qt6 REQUIRED)
find_library(FIF_QSCINTILLA_LIBRARY NAMES qscintilla2_qt6 REQUIRED)

add_library(fif_preview STATIC
  ${CMAKE_CURRENT_LIST_DIR}/adv_memo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/memo_lexer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/memo_lexer_cache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/memo_lexer_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/preview_find.cpp
  ${CMAKE_CURRENT_LIST_DIR}/preview_fonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/preview_pane.cpp
  ${CMAKE_CURRENT_LIST_DIR}/preview_status.cpp
  ${CMAKE_CURRENT_LIST_DIR}/preview_text.cpp
)
target_include_directories(fif_preview PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_include_directories(fif_preview SYSTEM PUBLIC ${FIF_QSCINTILLA_INCLUDE_DIR})
target_compile_definitions(fif_preview PUBLIC QSCINTILLA_DLL)
target_link_libraries(fif_preview PUBLIC Qt6::Widgets ${FIF_QSCINTILLA_LIBRARY} fif_styles fif_search fif_platform)
