# Sources of the main window (rashi_ui); paths are relative to chart/.
target_sources(rashi_ui PRIVATE
)
