# Writes the folder for a web server: the same page as index.html, told
# where its manifest and icons are and that it may keep itself offline,
# and marked with its build; the service worker that keeps it, named after
# this build; the icons; the program's licence and the faces' licence.
file(READ ${PAGE} page)
string(MD5 build "${page}")
string(REPLACE "<html lang=\"ja\" class=\"vm-fit\">" "<html lang=\"ja\" class=\"vm-fit vm-served\">"
       page "${page}")
string(REPLACE "<link rel=\"icon\" href=\"data:,\">"
       "<link rel=\"icon\" href=\"data:,\">\n<link rel=\"manifest\" href=\"manifest.webmanifest\">\n<link rel=\"apple-touch-icon\" href=\"velmora-256.png\">\n<meta name=\"apple-mobile-web-app-capable\" content=\"yes\">\n<meta name=\"mobile-web-app-capable\" content=\"yes\">\n<meta name=\"velmora-build\" content=\"${build}\">"
       page "${page}")
file(MAKE_DIRECTORY ${OUT})
file(WRITE ${OUT}/index.html "${page}")
file(READ ${SOURCE}/sw.js worker)
string(REPLACE "@VELMORA_BUILD@" "${build}" worker "${worker}")
file(WRITE ${OUT}/sw.js "${worker}")
file(COPY ${SOURCE}/manifest.webmanifest DESTINATION ${OUT})
file(COPY ${FACES} DESTINATION ${OUT} PATTERN faces.css EXCLUDE)
file(COPY_FILE ${ICONS}/128x128/apps/velmora.png ${OUT}/velmora-128.png)
file(COPY_FILE ${ICONS}/256x256/apps/velmora.png ${OUT}/velmora-256.png)
file(COPY_FILE ${LICENSE} ${OUT}/LICENSE.txt)
