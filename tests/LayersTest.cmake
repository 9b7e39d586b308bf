# The test LayersSeeABreak: scripts/check-layers.cmake run on two copies of src/ in the build
# tree. One gets only what the layers allow and must pass, so the other's failure comes from
# its planted breaks; the other gets a break of each kind the check must see, and must fail
# naming every one of them.
#
#   cmake -DSRC=<src/> -DWORK=<a folder of the build tree> -P tests/LayersTest.cmake
cmake_minimum_required(VERSION 3.25)

set(check "${CMAKE_CURRENT_LIST_DIR}/../scripts/check-layers.cmake")
if(NOT IS_DIRECTORY "${SRC}" OR NOT WORK)
    message(FATAL_ERROR "usage: cmake -DSRC=<src/> -DWORK=<folder> -P LayersTest.cmake")
endif()

set(failures "")

# A copy of what the check reads.
function(copy_tree name)
    file(REMOVE_RECURSE "${WORK}/${name}")
    file(COPY "${SRC}/" DESTINATION "${WORK}/${name}"
         FILES_MATCHING PATTERN "*.h" PATTERN "*.cpp" PATTERN "CMakeLists.txt")
endfunction()

# Appends to a file of the copy that must be there: a plant in a missing file would test nothing.
function(plant tree file text)
    if(NOT EXISTS "${WORK}/${tree}/${file}")
        message(FATAL_ERROR "${file} is not in src/: plant the break elsewhere")
    endif()
    file(APPEND "${WORK}/${tree}/${file}" "\n${text}\n")
endfunction()

# The check's result and its output, blanks and line breaks made single spaces (CMake wraps
# long messages).
function(run_check tree)
    execute_process(COMMAND "${CMAKE_COMMAND}" "-DSRC=${WORK}/${tree}" -P "${check}"
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    string(REGEX REPLACE "[ \t\r\n]+" " " output "${output}")
    set(result "${result}" PARENT_SCOPE)
    set(output "${output}" PARENT_SCOPE)
endfunction()

# What the layers allow: a lower folder's header in the angle form, a lower layer's library and
# libraries from outside src/, also through a generator expression, a variable, capitals or
# link_libraries; and a command that only ends in the name of one that links.
copy_tree(allowed)
plant(allowed batch/BatchChecks.cpp "#include <common/Messages.h>\n#include <platform/db/Field.h>\n#include <QString>")
plant(allowed batch/CMakeLists.txt
      "target_link_libraries(trelimor_batch PRIVATE trelimor_platform Qt6::Core $<LINK_ONLY:trelimor_common>)")
plant(allowed documents/CMakeLists.txt "set(DOCUMENT_LIBS trelimor_common)
unset(DOCUMENT_LIBS trelimor_batch)
TARGET_LINK_LIBRARIES(trelimor_documents PRIVATE \${DOCUMENT_LIBS})
link_libraries(trelimor_platform)
my_link_libraries(trelimor_documents trelimor_app)")
run_check(allowed)
if(NOT result EQUAL 0)
    list(APPEND failures "the copy with what the layers allow fails: ${output}")
endif()

# A break of each kind, each with the words the check must say about it.
copy_tree(broken)
plant(broken common/Messages.h "#include <batch/FormPartia.h>")
list(APPEND expected "common includes batch (1 lines): a higher layer")
plant(broken common/CMakeLists.txt "target_link_libraries(trelimor_common PRIVATE trelimor_batch)")
list(APPEND expected "common links batch (trelimor_common links trelimor_batch): a higher layer")
plant(broken imports/CMakeLists.txt
      "target_link_libraries(trelimor_imports\n    # over two lines, after a comment\n    PRIVATE $<LINK_ONLY:trelimor_statistics>)")
list(APPEND expected "imports links statistics (trelimor_imports links trelimor_statistics): a folder beside it")
file(WRITE "${WORK}/broken/extra/CMakeLists.txt" "add_library(trelimor_extra STATIC Extra.cpp)\n")
plant(broken registers/CMakeLists.txt "target_link_libraries(trelimor_registers PUBLIC trelimor_extra)")
list(APPEND expected "registers links extra (trelimor_registers links trelimor_extra): a folder of no layer")
# CMake reads command names in any case, links a whole folder with link_libraries and expands
# the variables that the file sets.
file(WRITE "${WORK}/broken/extra2/CMakeLists.txt" "Add_Library(trelimor_extra2 STATIC Extra.cpp)\n")
plant(broken documents/CMakeLists.txt
      "TARGET_LINK_LIBRARIES(trelimor_documents PRIVATE trelimor_batch trelimor_extra2)")
list(APPEND expected "documents links batch (trelimor_documents links trelimor_batch): a higher layer")
list(APPEND expected "documents links extra2 (trelimor_documents links trelimor_extra2): a folder of no layer")
plant(broken statistics/CMakeLists.txt "link_libraries(trelimor_shell)")
list(APPEND expected
     "statistics links shell (link_libraries of statistics/CMakeLists.txt links trelimor_shell): a higher layer")
plant(broken export/CMakeLists.txt "set(EXPORT_LIBS trelimor_common)
SET(EXPORT_LIBS \${EXPORT_LIBS} trelimor_imports)
target_link_libraries(trelimor_export PRIVATE \${EXPORT_LIBS})")
list(APPEND expected "export links imports (trelimor_export links trelimor_imports): a folder beside it")
run_check(broken)
if(result EQUAL 0)
    list(APPEND failures "the copy with the planted breaks passes")
endif()
foreach(finding IN LISTS expected)
    string(FIND "${output}" "${finding}" at)
    if(at EQUAL -1)
        list(APPEND failures "the check does not say \"${finding}\"; it says: ${output}")
    endif()
endforeach()

if(failures)
    foreach(failure IN LISTS failures)
        message(SEND_ERROR "${failure}")
    endforeach()
    message(FATAL_ERROR "The layers check misses a break or sees one where there is none.")
endif()
file(REMOVE_RECURSE "${WORK}")
