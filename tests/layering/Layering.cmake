# The include rules of the source tree.  rules/ never includes engine/; nothing in rules/,
# engine/, graphics/, ui/ or online/ includes Qt, SDL, FluidSynth, FreeType or curl headers,
# nor the platform back ends that wrap them (platform/qt, platform/sdl, platform/net).  The
# platform layer, shell/, the ordinary windows of online/ (online/qt) and tools/ may.

set(MJ_LAYERED_FOLDERS rules engine graphics ui online)
# Folders inside the layered ones that hold ordinary windows.
set(MJ_WINDOW_FOLDERS online/qt)

# What a folder may not include: a name and a regular expression on the text after #include.
set(MJ_FORBIDDEN_NAMES Qt SDL FluidSynth FreeType curl platform-back-end)
set(MJ_FORBIDDEN_Qt "^[<\"](Qt[A-Za-z0-9]*[/>\"]|Q[A-Z][A-Za-z0-9]*(\\.h)?[>\"]|q[a-z0-9_]*\\.h[>\"])")
set(MJ_FORBIDDEN_SDL "^[<\"]SDL")
set(MJ_FORBIDDEN_FluidSynth "^[<\"]fluidsynth")
set(MJ_FORBIDDEN_FreeType "^([<\"](ft2build\\.h|freetype)|FT_)")
set(MJ_FORBIDDEN_curl "^[<\"]curl/")
set(MJ_FORBIDDEN_platform-back-end "^[<\"]platform/(qt|sdl|net)/")
# rules/ alone: the table's folder sits above it.
set(MJ_FORBIDDEN_IN_rules "^[<\"]engine/")

# mj_layering_violations(<root> <out-var>): one entry "<folder/file>: <include line>" per
# include in the layered folders under <root> that breaks the rules above.
function(mj_layering_violations root out)
  set(found)
  foreach(folder IN LISTS MJ_LAYERED_FOLDERS)
    file(GLOB_RECURSE sources LIST_DIRECTORIES false RELATIVE ${root}
         ${root}/${folder}/*.h ${root}/${folder}/*.hpp ${root}/${folder}/*.c
         ${root}/${folder}/*.cc ${root}/${folder}/*.cpp ${root}/${folder}/*.inl)
    foreach(windows IN LISTS MJ_WINDOW_FOLDERS)
      list(FILTER sources EXCLUDE REGEX "^${windows}/")
    endforeach()
    foreach(source IN LISTS sources)
      file(STRINGS ${root}/${source} includes ENCODING UTF-8
           REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"A-Za-z_]")
      foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*" "" target "${line}")
        set(patterns)
        foreach(name IN LISTS MJ_FORBIDDEN_NAMES)
          list(APPEND patterns "${MJ_FORBIDDEN_${name}}")
        endforeach()
        if(DEFINED MJ_FORBIDDEN_IN_${folder})
          list(APPEND patterns "${MJ_FORBIDDEN_IN_${folder}}")
        endif()
        foreach(pattern IN LISTS patterns)
          if(target MATCHES "${pattern}")
            list(APPEND found "${source}: ${line}")
            break()
          endif()
        endforeach()
      endforeach()
    endforeach()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()
