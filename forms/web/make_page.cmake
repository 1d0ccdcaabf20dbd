# Writes the page: the template with the program's script and the faces'
# style sheet put inside it, so the page is one file that needs nothing
# beside it.
file(READ ${TEMPLATE} page)
file(READ ${SCRIPT} script)
set(faces "")
if(DEFINED FACES)
  file(READ ${FACES} faces)
endif()
string(FIND "${script}" "</script" closing)
if(NOT closing EQUAL -1)
  message(FATAL_ERROR "The script holds </script and would end the page's script early")
endif()
# The menu's first look, shown before the script's module is ready.
set(first_look "")
if(DEFINED FIRST_LOOK)
  file(READ ${FIRST_LOOK} first_look)
  string(FIND "${first_look}" "<" opening)
  if(NOT opening EQUAL -1)
    message(FATAL_ERROR "The first look holds < and could end its element early")
  endif()
  set(first_look "<script type=\"application/json\" id=\"vm-first-look\">${first_look}</script>")
  # The page's elements run on their own before the script, so the first
  # look paints while the browser still parses the script.
  # They speak the toolkit's numbers: the build's enums go first.
  file(READ ${PAGE_ENUMS} page_enums)
  file(READ ${PAGE_ELEMENTS} page_elements)
  string(PREPEND page_elements "${page_enums}")
  string(FIND "${page_elements}" "</script" closing)
  if(NOT closing EQUAL -1)
    message(FATAL_ERROR "The page's elements hold </script and would end their script early")
  endif()
  string(APPEND first_look "\n<script>${page_elements}</script>")
endif()
string(REPLACE "<!--@VELMORA_FIRST_LOOK@-->" "${first_look}" page "${page}")
string(REPLACE "/*@VELMORA_FACES@*/" "${faces}" page "${page}")
string(REPLACE "/*@VELMORA_SCRIPT@*/" "${script}" page "${page}")
# The release fits its windows to the screen.
if(FIT_TO_SCREEN)
  string(REPLACE "<html lang=\"ja\">" "<html lang=\"ja\" class=\"vm-fit\">" page "${page}")
endif()
file(WRITE ${PAGE} "${page}")
