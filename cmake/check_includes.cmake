# The dependency rules, checked on every #include line of the sources:
#   cmake -DSOURCE_DIR=<repository> -P cmake/check_includes.cmake
# Fails (and lists every offending line) when a library includes a header of a library it may
# not use, or when an SDL or FFmpeg header is included outside the back-end folders. Run by the
# test `include_rules`.

# The libraries each folder may include from, besides its own headers. The back ends
# (platform/sdl, media/sdl, media/ffmpeg) are libraries of their own: only src/backend brings
# them together, and only src/player, app/ and bench/ stand above everything.
set(allowed_base "")
set(allowed_database "base;platform")
set(allowed_platform "base")
set(allowed_platform/sdl "base;platform")
set(allowed_forms "base;platform")
set(allowed_media "base;platform")
set(allowed_media/sdl "base;platform;media")
set(allowed_media/ffmpeg "base;platform;media")
set(allowed_engine "base;database;platform;media")
set(allowed_interaction "base;database;platform;media;forms;engine")
set(allowed_debug "base;database;platform;media;forms;engine;interaction")
set(allowed_flow "base;database;platform;media;forms;engine")
set(allowed_backend "base;platform;platform/sdl;media;media/sdl;media/ffmpeg")
set(allowed_player "base;database;platform;media;forms;engine;interaction;debug;flow;backend")

# Where SDL (with SDL_image, SDL_mixer, SDL_ttf) and FFmpeg may be included.
set(sdl_folders "platform/sdl;media/sdl;media/ffmpeg")
set(ffmpeg_folders "media/ffmpeg")

set(libraries base database platform platform/sdl forms media media/sdl media/ffmpeg engine
  interaction debug flow backend player)

cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<repository> -P check_includes.cmake")
endif()

# The library a path below src/ belongs to ("media/sdl/sdl_audio.h" -> media/sdl).
function(library_of path out)
  string(REGEX MATCH "^[a-z_]+/[a-z_]+/" two "${path}")
  string(REGEX MATCH "^[a-z_]+/" one "${path}")
  string(REGEX REPLACE "/$" "" two "${two}")
  string(REGEX REPLACE "/$" "" one "${one}")
  if(two AND two IN_LIST libraries)
    set(${out} "${two}" PARENT_SCOPE)
  elseif(one AND one IN_LIST libraries)
    set(${out} "${one}" PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

set(problems "")
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}/src"
  "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp")
foreach(source IN LISTS sources)
  library_of("${source}" library)
  if(NOT library)
    string(APPEND problems "src/${source}: in no library folder\n")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/src/${source}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(line MATCHES "#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"]")
      set(header "${CMAKE_MATCH_1}")
    else()
      continue()
    endif()
    if(header MATCHES "^SDL")
      if(NOT library IN_LIST sdl_folders)
        string(APPEND problems "src/${source}: ${library} may not include <${header}>\n")
      endif()
      continue()
    endif()
    if(header MATCHES "^lib(av|sw)")
      if(NOT library IN_LIST ffmpeg_folders)
        string(APPEND problems "src/${source}: ${library} may not include <${header}>\n")
      endif()
      continue()
    endif()
    library_of("${header}" used)
    if(NOT used OR used STREQUAL library)
      continue()
    endif()
    if(NOT used IN_LIST allowed_${library})
      string(APPEND problems "src/${source}: ${library} may not include ${header}\n")
    endif()
  endforeach()
endforeach()

# Above the libraries: the programs may use any library, but SDL and FFmpeg only through the
# back ends.
file(GLOB_RECURSE programs "${SOURCE_DIR}/app/*.cpp" "${SOURCE_DIR}/bench/*.cpp"
  "${SOURCE_DIR}/app/*.h" "${SOURCE_DIR}/bench/*.h")
foreach(program IN LISTS programs)
  file(STRINGS "${program}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*<(SDL|libav|libsw)")
  foreach(line IN LISTS lines)
    file(RELATIVE_PATH shown "${SOURCE_DIR}" "${program}")
    string(STRIP "${line}" line)
    string(APPEND problems "${shown}: programs may not include SDL or FFmpeg: ${line}\n")
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "Includes that break the dependency rules:\n${problems}")
endif()
list(LENGTH sources count)
message(STATUS "include rules hold in ${count} source files")
