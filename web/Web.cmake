# The browser build (scripts/web.sh): the game compiled by Emscripten into
# WebAssembly, drawing through our OpenGL ES 2 layer on WebGL, as a folder of
# static files: index.html, page.js and page.css (web/), gullmar.js,
# gullmar.wasm, and gullmar.data with the shipped settings, levels and intro
# text. Emscripten's own GLUT and the desktop's libraries (freeglut, libpng,
# libsndfile, SDL, the driver's GL) are not used: where the desktop reaches
# one of them, src/web/ has the browser's side, and the desktop's file is
# left out here.

file(GLOB_RECURSE GULLMAR_WEB_SOURCES CONFIGURE_DEPENDS src/*.cpp)
list(FILTER GULLMAR_WEB_SOURCES EXCLUDE REGEX
     "src/(legacygl/NativeGl|legacygl/Glut|input/Gamepad|sound/SoundLoader|screenshot/PngFile|shell/Platform)\\.cpp$")
# The textures and sounds are made in the page at start-up by the build's
# own generators, without their file writers.
file(GLOB GULLMAR_WEB_GENERATORS CONFIGURE_DEPENDS tools/texgen/*.cpp tools/sndgen/*.cpp)
list(FILTER GULLMAR_WEB_GENERATORS EXCLUDE REGEX
     "tools/(texgen/texgen|sndgen/sndgen|sndgen/SoundFiles)\\.cpp$")

add_executable(gullmar ${GULLMAR_WEB_SOURCES} ${GULLMAR_WEB_GENERATORS})
set_target_properties(gullmar PROPERTIES SUFFIX ".js")
target_include_directories(gullmar PRIVATE src tools tools/texgen tools/sndgen
                           ${CMAKE_BINARY_DIR}/generated)
target_compile_options(gullmar PRIVATE ${GULLMAR_WARNINGS} -fexceptions)

# The build's identity, which every recording names: a desktop recording is
# another build's, and the page refuses it.
string(TOUPPER "${CMAKE_BUILD_TYPE}" buildTypeUpper)
add_custom_target(build_id
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
          -DOUTPUT=${CMAKE_BINARY_DIR}/generated/gullmar_build.h -DVERSION=${PROJECT_VERSION}
          "-DCOMPILER=Emscripten ${CMAKE_CXX_COMPILER_ID} ${CMAKE_CXX_COMPILER_VERSION}"
          "-DFLAGS=${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${buildTypeUpper}} web"
          -P ${CMAKE_SOURCE_DIR}/scripts/build_id.cmake
  BYPRODUCTS ${CMAKE_BINARY_DIR}/generated/gullmar_build.h
  COMMENT "Naming the build")
add_dependencies(gullmar build_id)

# The shipped settings, levels and intro text lie where an install keeps
# them; the page copies them into the player's folder (page.js).
target_link_options(gullmar PRIVATE
    -fexceptions
    -sENVIRONMENT=web
    -sMIN_WEBGL_VERSION=1 -sMAX_WEBGL_VERSION=1
    -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=64MB
    -sEXIT_RUNTIME=1
    -sFORCE_FILESYSTEM=1
    -sEXPORTED_FUNCTIONS=_main,_gullmar_best_flights,_gullmar_run_idle,_gullmar_session_ticks
    -sEXPORTED_RUNTIME_METHODS=FS,ccall,UTF8ToString,addRunDependency,removeRunDependency
    -lidbfs.js -lopenal
    --preload-file ${CMAKE_SOURCE_DIR}/config@/usr/share/gullmar/config)
set_property(TARGET gullmar APPEND PROPERTY LINK_DEPENDS ${GULLMAR_CONFIG_FILES})

# The page itself, beside the script.
file(GLOB GULLMAR_PAGE_FILES CONFIGURE_DEPENDS web/*.html web/*.js web/*.css)
set(GULLMAR_PAGE_OUTPUTS)
foreach(source ${GULLMAR_PAGE_FILES})
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${name}
                     COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${CMAKE_BINARY_DIR}/${name}
                     DEPENDS ${source})
  list(APPEND GULLMAR_PAGE_OUTPUTS ${CMAKE_BINARY_DIR}/${name})
endforeach()
add_custom_target(page ALL DEPENDS ${GULLMAR_PAGE_OUTPUTS})
