# The place-lookup program stands on its own: nothing in browser/ or
# shared_ui/ includes the main program's windows/, shared_ui/ includes nothing
# of the browser either, and neither library links the main window's library.
# cmake -DSOURCE_DIR=... -DLINKS="..." -P check_stands_alone.cmake
set(faults "")

function(check_includes folder pattern)
  file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<](${pattern})/")
    foreach(line IN LISTS lines)
      file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
      list(APPEND faults "${name}: ${line}")
    endforeach()
  endforeach()
  set(faults "${faults}" PARENT_SCOPE)
endfunction()

check_includes(browser "windows")
check_includes(shared_ui "windows|browser")

foreach(library IN LISTS LINKS)
  if(library MATCHES "^rashi_ui$|^rashi_places$|^rashi_drawing$")
    list(APPEND faults "the browser links ${library}")
  endif()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "The browser does not stand on its own:\n  ${text}")
endif()
message(STATUS "browser/ and shared_ui/ stand on their own")
