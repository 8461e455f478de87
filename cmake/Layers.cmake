# The layers, each depending only on those before it; each is the folder of
# that name.
set(VENNARO_LAYERS runtime pictures ui game app)

# vennaro_layer(NAME SOURCE...): the static library vennaro_NAME built from the
# folder NAME. Its headers are reachable, as "NAME/Header.h", only from targets
# that link it: each layer gets an include folder of its own holding a link to
# its source folder, so an include of a layer a target does not link fails to
# compile.
function(vennaro_layer name)
  add_library(vennaro_${name} STATIC ${ARGN})
  set(include_dir ${PROJECT_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${include_dir})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${include_dir}/${name} SYMBOLIC)
  target_include_directories(vennaro_${name} PUBLIC ${include_dir})
endfunction()
