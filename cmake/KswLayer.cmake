# ksw_layer(<name> DIR <folder> LIBS <libs...> [EXCLUDE <files...>])
# One static library per layer made of every source in its folder (recursively),
# so that adding a file needs no edit here.
function(ksw_layer name)
  cmake_parse_arguments(L "" "DIR" "LIBS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/${L_DIR}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/${L_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/${L_DIR}/*.qrc)
  foreach(ex IN LISTS L_EXCLUDE)
    list(REMOVE_ITEM srcs ${CMAKE_CURRENT_SOURCE_DIR}/${L_DIR}/${ex})
  endforeach()
  set(has_cpp FALSE)
  foreach(s IN LISTS srcs)
    if(s MATCHES "\\.cpp$")
      set(has_cpp TRUE)
    endif()
  endforeach()
  if(has_cpp)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/${L_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${L_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR}/${L_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${L_LIBS})
  endif()
endfunction()
