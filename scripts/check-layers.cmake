# Checks the layering of src/: which folder may include which, which folder's library may link
# which, and that no files include each other in a loop. Written for CMake's script mode, so it
# needs nothing the build does not:
#
#   cmake -P scripts/check-layers.cmake              the check (fails on a finding)
#   cmake -DGRAPH=ON -P scripts/check-layers.cmake   also prints the include edges with counts
#
# Every `#include "..."` line of a .h or .cpp file below src/ that names a file of src/ (from
# src/ or from the including file's folder) is an edge, and so is every `#include <...>` line
# that names a file of src/ from src/ (`<common/Messages.h>`). A folder may include only folders
# of lower layers; `platform`'s subfolders count as one folder. A header and its source file are
# one unit: two units that include each other, directly or round a longer loop, are a finding.
#
# The libraries follow the same layers: in a CMakeLists.txt below src/, a `target_link_libraries`
# call may name, of the targets that src/ defines (`add_library`, `add_executable`), only those of
# folders of lower layers, and so may a `link_libraries` call, which counts for every target of
# its folder. Command names are read in any mix of capitals and small letters, as CMake reads
# them (`TARGET_LINK_LIBRARIES`), and a `${NAME}` in a call stands for the values that the same
# file's `set(NAME ...)` calls give it. Libraries from outside src/ (Qt, pkg-config's, the
# installer's) are not the layers' business.
#
# Not read, so that a link made only through them passes unseen: a variable's values from
# anywhere else (another CMakeLists.txt, an included file, the cache, the command line) or from
# another command (`list(APPEND ...)`, `string(...)`, a function's arguments); a reference
# inside a reference (`${${NAME}}`) and `$ENV{...}`; links made by other commands
# (`set_property` or `set_target_properties` on LINK_LIBRARIES or INTERFACE_LINK_LIBRARIES) or by
# functions and macros of our own; files other than the CMakeLists.txt (an `include()`d .cmake
# file). A call counts whatever if() it stands under, and a variable stands for every value
# set() gives it in the file at once.

cmake_minimum_required(VERSION 3.25)

# Top to bottom; folders on one line stand side by side and may not include or link each other.
set(LAYERS "app" "shell" "batch" "imports|statistics|export" "documents|registers" "common" "platform")

get_filename_component(root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
if(NOT SRC)
    set(SRC "${root}/src")
endif()

set(rank 0)
foreach(layer IN LISTS LAYERS)
    string(REPLACE "|" ";" folders "${layer}")
    foreach(folder IN LISTS folders)
        set(RANK_${folder} ${rank})
    endforeach()
    math(EXPR rank "${rank} + 1")
endforeach()

# Why folder `from` may not use folder `to` (another folder): the reason a finding gives, or empty
# when `to` lies in a lower layer.
function(breach from to out)
    if(NOT DEFINED RANK_${from} OR NOT DEFINED RANK_${to})
        set(${out} "a folder of no layer" PARENT_SCOPE)
    elseif(RANK_${to} LESS RANK_${from})
        set(${out} "a higher layer" PARENT_SCOPE)
    elseif(RANK_${to} EQUAL RANK_${from})
        set(${out} "a folder beside it" PARENT_SCOPE)
    else()
        set(${out} "" PARENT_SCOPE)
    endif()
endfunction()

# A name usable in a variable's name for a path.
function(key_of path out)
    string(MAKE_C_IDENTIFIER "${path}" k)
    set(${out} "${k}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
list(SORT files)
set(units "")
set(edges "")
foreach(file IN LISTS files)
    string(REGEX REPLACE "\\.[^./]+$" "" unit "${file}")
    string(REGEX REPLACE "/.*" "" folder "${file}")
    get_filename_component(dir "${file}" DIRECTORY)
    key_of("${unit}" ukey)
    if(NOT DEFINED UNIT_${ukey})
        set(UNIT_${ukey} "${unit}")
        list(APPEND units "${ukey}")
    endif()
    file(STRINGS "${SRC}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS lines)
        if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
            set(name "${CMAKE_MATCH_1}")
            if(EXISTS "${SRC}/${dir}/${name}" AND NOT IS_DIRECTORY "${SRC}/${dir}/${name}")
                set(target "${dir}/${name}")
            elseif(EXISTS "${SRC}/${name}" AND NOT IS_DIRECTORY "${SRC}/${name}")
                set(target "${name}")
            else()
                continue() # a generated or outside header
            endif()
        elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<(([^/>]+)/[^>]+)>")
            # The angle form names one of our files only from src/, through one of its folders;
            # anything else is a library's or the system's header.
            set(name "${CMAKE_MATCH_1}")
            if(IS_DIRECTORY "${SRC}/${CMAKE_MATCH_2}" AND EXISTS "${SRC}/${name}"
               AND NOT IS_DIRECTORY "${SRC}/${name}")
                set(target "${name}")
            else()
                continue()
            endif()
        else()
            continue()
        endif()
        get_filename_component(target "${SRC}/${target}" ABSOLUTE)
        file(RELATIVE_PATH target "${SRC}" "${target}")
        string(REGEX REPLACE "/.*" "" tfolder "${target}")
        if(NOT tfolder STREQUAL folder)
            set(edge "${folder}>${tfolder}")
            if(NOT DEFINED COUNT_${folder}_${tfolder})
                set(COUNT_${folder}_${tfolder} 0)
                list(APPEND edges "${edge}")
            endif()
            math(EXPR COUNT_${folder}_${tfolder} "${COUNT_${folder}_${tfolder}} + 1")
        endif()
        string(REGEX REPLACE "\\.[^./]+$" "" tunit "${target}")
        key_of("${tunit}" tkey)
        if(NOT tkey STREQUAL ukey AND NOT "${tkey}" IN_LIST DEPS_${ukey})
            list(APPEND DEPS_${ukey} "${tkey}")
        endif()
    endforeach()
endforeach()

set(findings "")
foreach(edge IN LISTS edges)
    string(REPLACE ">" ";" pair "${edge}")
    list(GET pair 0 from)
    list(GET pair 1 to)
    set(count ${COUNT_${from}_${to}})
    if(GRAPH)
        message(STATUS "${from} -> ${to}: ${count}")
    endif()
    breach("${from}" "${to}" reason)
    if(reason)
        list(APPEND findings "${from} includes ${to} (${count} lines): ${reason}")
    endif()
endforeach()

# A regular expression for the word in any mix of capitals and small letters: CMake's command
# names are, and its regular expressions have no flag for it.
function(any_case word out)
    set(pattern "")
    string(LENGTH "${word}" length)
    math(EXPR last "${length} - 1")
    foreach(i RANGE ${last})
        string(SUBSTRING "${word}" ${i} 1 c)
        string(TOUPPER "${c}" upper)
        string(TOLOWER "${c}" lower)
        if(upper STREQUAL lower)
            string(APPEND pattern "${c}")
        else()
            string(APPEND pattern "[${upper}${lower}]")
        endif()
    endforeach()
    set(${out} "${pattern}" PARENT_SCOPE)
endfunction()

# The calls of a command in the text, from the command's name to the closing parenthesis. The
# pattern also takes the letters run on before the name, so that the caller can tell the
# command from a longer one that ends in its name (`target_link_libraries`, `link_libraries`).
function(calls_of name text out)
    any_case("${name}" pattern)
    string(REGEX MATCHALL "[A-Za-z0-9_]*${pattern}[ \t\r\n]*\\([^)]*\\)" found "${text}")
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

# A call's command name in small letters and the text between its parentheses.
function(split_call call command_out arguments_out)
    string(FIND "${call}" "(" open)
    string(SUBSTRING "${call}" 0 ${open} command)
    string(STRIP "${command}" command)
    string(TOLOWER "${command}" command)
    math(EXPR open "${open} + 1")
    string(SUBSTRING "${call}" ${open} -1 arguments)
    string(REGEX REPLACE "\\)$" "" arguments "${arguments}")
    set(${command_out} "${command}" PARENT_SCOPE)
    set(${arguments_out} "${arguments}" PARENT_SCOPE)
endfunction()

# The text with each `${NAME}` of a variable that set() gives values in the file being read
# (VALUES_<name>) replaced by those values; any other reference is left as it stands.
function(expand_variables text out)
    string(REGEX MATCHALL "\\$\\{[A-Za-z0-9_.+-]+\\}" references "${text}")
    list(REMOVE_DUPLICATES references)
    foreach(reference IN LISTS references)
        string(REGEX REPLACE "^\\$\\{(.*)\\}$" "\\1" name "${reference}")
        key_of("${name}" vkey)
        if(DEFINED VALUES_${vkey})
            string(REPLACE "${reference}" " ${VALUES_${vkey}} " text "${text}")
        endif()
    endforeach()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Records that `from` (a folder) links `word`, a target of src/, as `what`; a finding when the
# layers do not allow it. Each link is told once.
function(check_link from word what)
    key_of("${what}" lkey)
    key_of("${word}" wkey)
    if(NOT DEFINED FOLDER_${wkey} OR DEFINED LINKED_${lkey}_${wkey})
        return()
    endif()
    set(LINKED_${lkey}_${wkey} TRUE PARENT_SCOPE)
    set(to "${FOLDER_${wkey}}")
    if(to STREQUAL from)
        return()
    endif()
    breach("${from}" "${to}" reason)
    if(reason)
        list(APPEND findings "${from} links ${to} (${what} links ${word}): ${reason}")
        set(findings "${findings}" PARENT_SCOPE)
    endif()
endfunction()

# The libraries: a first pass finds the targets that src/ defines, each with its folder, a
# second the libraries that each of them links. Comments are taken out first, and list
# separators and brackets become blanks: CMake's lists would split or join the text at them.
# In the second pass, the variables of a file are read first: each stands for every value
# that a set() call of the file gives it (in order, so a set() may use an earlier one).
file(GLOB_RECURSE cmakefiles RELATIVE "${SRC}" "${SRC}/*/CMakeLists.txt")
list(SORT cmakefiles)
foreach(pass IN ITEMS define link)
    foreach(cmakefile IN LISTS cmakefiles)
        string(REGEX REPLACE "/.*" "" folder "${cmakefile}")
        file(READ "${SRC}/${cmakefile}" text)
        string(REGEX REPLACE "#[^\n]*" "" text "${text}")
        string(REGEX REPLACE "[][;]" " " text "${text}")
        if(pass STREQUAL "define")
            foreach(command IN ITEMS add_library add_executable)
                calls_of("${command}" "${text}" found)
                foreach(call IN LISTS found)
                    split_call("${call}" name arguments)
                    if(NOT name STREQUAL command)
                        continue()
                    endif()
                    string(REGEX MATCH "[A-Za-z0-9_.+-]+" target "${arguments}")
                    key_of("${target}" nkey)
                    set(FOLDER_${nkey} "${folder}")
                endforeach()
            endforeach()
            continue()
        endif()

        foreach(vkey IN LISTS variables)
            unset(VALUES_${vkey})
        endforeach()
        set(variables "")
        calls_of(set "${text}" found)
        foreach(call IN LISTS found)
            split_call("${call}" command arguments)
            if(NOT command STREQUAL "set")
                continue() # unset(), or a command of another name ending in "set"
            endif()
            string(REGEX MATCH "^[ \t\r\n]*[A-Za-z0-9_.+-]+" name "${arguments}")
            string(STRIP "${name}" name)
            string(REGEX REPLACE "^[ \t\r\n]*[A-Za-z0-9_.+-]+" "" values "${arguments}")
            expand_variables("${values}" values)
            key_of("${name}" vkey)
            list(APPEND variables "${vkey}")
            set(VALUES_${vkey} "${VALUES_${vkey}} ${values}")
        endforeach()

        calls_of(link_libraries "${text}" found)
        foreach(call IN LISTS found)
            split_call("${call}" command arguments)
            expand_variables("${arguments}" arguments)
            string(REGEX MATCHALL "[A-Za-z0-9_.+-]+" words "${arguments}")
            if(command STREQUAL "target_link_libraries")
                list(POP_FRONT words name)
                key_of("${name}" nkey)
                if(NOT DEFINED FOLDER_${nkey})
                    continue() # a target of outside src/
                endif()
                set(from "${FOLDER_${nkey}}")
            elseif(command STREQUAL "link_libraries")
                # Every library the folder's file defines links what it names.
                set(from "${folder}")
                set(name "link_libraries of ${cmakefile}")
            else()
                continue() # a command of another name ending in "link_libraries"
            endif()
            # Keywords (PUBLIC, PRIVATE, ...) and outside libraries are no targets of src/.
            foreach(word IN LISTS words)
                check_link("${from}" "${word}" "${name}")
            endforeach()
        endforeach()
    endforeach()
endforeach()

# Loops: units that include nothing still in the graph are taken away until none is left to
# take, then units that nothing still in the graph includes; what stays lies on a loop or
# between loops.
set(remaining "${units}")
foreach(direction IN ITEMS out in)
    set(changed TRUE)
    while(changed)
        set(changed FALSE)
        foreach(u IN LISTS remaining)
            set(INCOMING_${u} FALSE)
        endforeach()
        if(direction STREQUAL "in")
            foreach(u IN LISTS remaining)
                foreach(d IN LISTS DEPS_${u})
                    if(NOT DEFINED GONE_${d})
                        set(INCOMING_${d} TRUE)
                    endif()
                endforeach()
            endforeach()
        endif()
        set(kept "")
        foreach(u IN LISTS remaining)
            set(linked FALSE)
            if(direction STREQUAL "out")
                foreach(d IN LISTS DEPS_${u})
                    if(NOT DEFINED GONE_${d})
                        set(linked TRUE)
                        break()
                    endif()
                endforeach()
            else()
                set(linked ${INCOMING_${u}})
            endif()
            if(linked)
                list(APPEND kept "${u}")
            else()
                set(GONE_${u} TRUE)
                set(changed TRUE)
            endif()
        endforeach()
        set(remaining "${kept}")
    endwhile()
endforeach()
# Of what stays, the units each reaches; those that reach one another form one loop.
foreach(u IN LISTS remaining)
    set(reach "")
    set(queue ${DEPS_${u}})
    while(queue)
        list(POP_FRONT queue v)
        if(DEFINED GONE_${v} OR "${v}" IN_LIST reach)
            continue()
        endif()
        list(APPEND reach "${v}")
        list(APPEND queue ${DEPS_${v}})
    endwhile()
    set(REACH_${u} "${reach}")
endforeach()
foreach(u IN LISTS remaining)
    if(DEFINED LOOP_${u} OR NOT "${u}" IN_LIST REACH_${u})
        continue()
    endif()
    set(names "")
    foreach(v IN LISTS REACH_${u})
        if("${u}" IN_LIST REACH_${v})
            set(LOOP_${v} TRUE)
            list(APPEND names "${UNIT_${v}}")
        endif()
    endforeach()
    list(SORT names)
    list(JOIN names " <-> " names)
    list(APPEND findings "files include each other in a loop: ${names}")
endforeach()

if(findings)
    foreach(finding IN LISTS findings)
        message(SEND_ERROR "${finding}")
    endforeach()
    message(FATAL_ERROR "The layers of src/ are broken (see above).")
endif()
