# Fails when a file of src/ includes a folder above its own layer (docs/DEVELOPING.md, "Layers").
# Every library includes from the one root src/, so the compiler alone would let such an include
# through. The build runs this whenever a source changes:
#   cmake -DSRC=src -DSTAMP=stamp-file -P tools/check-layers.cmake
# Each rule: a folder (its own files, not its subfolders), then what it must not include. The
# logic's include path has no Qt Gui or Widgets folder; only the module-qualified form would reach
# them.
set(logic_refuses "<QtGui/|<QtWidgets/")
set(rules
  "platform=\"game/|\"options/|\"about/"
  "options=\"game/|\"about/|\"options/view/|${logic_refuses}"
  "game=\"game/view/|\"options/view/|\"about/|${logic_refuses}"
  "options/view=\"game/|\"about/"
  "about=\"game/|\"options/")
set(broken "")
foreach(rule IN LISTS rules)
  string(REPLACE "=" ";" rule "${rule}")
  list(GET rule 0 folder)
  list(GET rule 1 above)
  file(GLOB files "${SRC}/${folder}/*.h" "${SRC}/${folder}/*.cpp")
  foreach(file IN LISTS files)
    file(STRINGS "${file}" includes REGEX "^#include (${above})")
    foreach(line IN LISTS includes)
      string(APPEND broken "\n  src/${folder}: ${line} (in ${file})")
    endforeach()
  endforeach()
endforeach()
if(broken)
  message(FATAL_ERROR "Includes that point up the layers:${broken}")
endif()
file(TOUCH "${STAMP}")
