# Writes the page: the template with the program's script put inside it,
# so the page is one file that needs nothing beside it.
file(READ ${TEMPLATE} page)
file(READ ${SCRIPT} script)
string(FIND "${script}" "</script" closing)
if(NOT closing EQUAL -1)
  message(FATAL_ERROR "The script holds </script and would end the page's script early")
endif()
string(REPLACE "/*@VELMORA_SCRIPT@*/" "${script}" page "${page}")
file(WRITE ${PAGE} "${page}")
