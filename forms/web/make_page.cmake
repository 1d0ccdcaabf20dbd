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
string(REPLACE "/*@VELMORA_FACES@*/" "${faces}" page "${page}")
string(REPLACE "/*@VELMORA_SCRIPT@*/" "${script}" page "${page}")
# The release fits its windows to the screen.
if(FIT_TO_SCREEN)
  string(REPLACE "<html lang=\"ja\">" "<html lang=\"ja\" class=\"vm-fit\">" page "${page}")
endif()
file(WRITE ${PAGE} "${page}")
