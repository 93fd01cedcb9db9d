# Sources of the main window (rashi_ui); paths are relative to chart/.
target_sources(rashi_ui PRIVATE
  filtered_line_edit.cpp
  filtered_line_edit.h
  main_window.cpp
  main_window.h
)
