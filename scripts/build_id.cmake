# Writes OUTPUT, a header defining GULLMAR_BUILD_ID: the game's version and a
# hash of its sources and of the compiler and flags that build them. A
# recording names the build that made it, and a replay of another build's
# recording is refused, since that game may play differently. The header is
# rewritten only when the identity changes.
# Usage: cmake -DSOURCE_DIR=... -DOUTPUT=... -DVERSION=... -DCOMPILER=... -DFLAGS=... -P build_id.cmake
file(GLOB_RECURSE sources ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h)
list(SORT sources)
set(everything "${COMPILER}|${FLAGS}")
foreach(source ${sources})
  file(SHA256 ${source} hash)
  string(APPEND everything "${hash}")
endforeach()
string(SHA256 digest "${everything}")
string(SUBSTRING ${digest} 0 12 short)
set(content "#pragma once\n// Made by the build (scripts/build_id.cmake): which build of the game this is.\n#define GULLMAR_BUILD_ID \"${VERSION}+${short}\"\n")
set(old "")
if(EXISTS ${OUTPUT})
  file(READ ${OUTPUT} old)
endif()
if(NOT old STREQUAL content)
  file(WRITE ${OUTPUT} "${content}")
endif()
