# The dialogs of res/Tapwell.rc as FakeDialogTemplate data, so that the unit tests drive dialogs
# laid out as the resource script lays them out, and a control added there needs no second edit.
# Included, this defines tapwell_fake_dialog_templates(target); run with -P, it writes the header:
#   cmake -DRESOURCE_SCRIPT=res/Tapwell.rc -DHEADER=fakes/ResourceDialogTemplates.h -P this file
if(NOT CMAKE_SCRIPT_MODE_FILE)
  function(tapwell_fake_dialog_templates target)
    set(script ${PROJECT_SOURCE_DIR}/res/Tapwell.rc)
    set(header ${CMAKE_BINARY_DIR}/generated/fakes/ResourceDialogTemplates.h)
    add_custom_command(OUTPUT ${header}
      COMMAND ${CMAKE_COMMAND} -DRESOURCE_SCRIPT=${script} -DHEADER=${header} -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
      DEPENDS ${script} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
      COMMENT "Writing the fakes' dialog templates from Tapwell.rc")
    target_sources(${target} PRIVATE ${header})
    target_include_directories(${target} PUBLIC ${CMAKE_BINARY_DIR}/generated)
  endfunction()
  return()
endif()
cmake_minimum_required(VERSION 3.20)

# What a control statement creates, and whether it is a tab stop unless its style says otherwise.
set(KIND_LTEXT Static)
set(KIND_RTEXT Static)
set(KIND_CTEXT Static)
set(KIND_GROUPBOX GroupBox)
set(KIND_PUSHBUTTON PushButton)
set(KIND_DEFPUSHBUTTON DefPushButton)
set(KIND_EDITTEXT Edit)
set(KIND_COMBOBOX ComboBox)
set(TAB_STOPS PUSHBUTTON DEFPUSHBUTTON EDITTEXT COMBOBOX)
# Style words that change a control from what its statement creates, and how the fake says so.
set(STYLE_WORDS -WS_VISIBLE WS_DISABLED ES_NUMBER WS_GROUP)
set(MODIFIERS Hidden Disabled DigitsOnly StartsGroup)
# CONTROL statements: window class and style.
set(KIND_BS_AUTOCHECKBOX CheckBox)
set(KIND_BS_AUTORADIOBUTTON Radio)
set(KIND_Static Static)
set(KIND_msctls_hotkey32 HotKey)

# The words of a style, each with a space either side, "NOT WS_X" as "-WS_X"; strings left out.
function(style_words expression out)
  string(REGEX REPLACE "\"[^\"]*\"" "" words " ${expression} ")
  string(REGEX REPLACE "NOT +" "-" words "${words}")
  string(REGEX REPLACE "[,|\t]" " " words "${words}")
  set(${out} "${words}" PARENT_SCOPE)
endfunction()

# A text as C++ wide text: the resource script's strings and macros concatenate as C++ ones do.
function(wide_text expression out)
  if(expression MATCHES "^\"")
    set(${out} "L${expression}" PARENT_SCOPE)
  else()
    set(${out} "L\"\" ${expression}" PARENT_SCOPE)
  endif()
endfunction()

# Characters that would split or nest a CMake list wait as placeholders until the output.
file(READ ${RESOURCE_SCRIPT} script)
string(REPLACE ";" "@SEMICOLON@" script "${script}")
string(REPLACE "[" "@OPEN@" script "${script}")
string(REPLACE "]" "@CLOSE@" script "${script}")
# A statement goes on over the next line after a trailing comma or bar.
string(REGEX REPLACE "([,|])[ \t]*\r?\n[ \t]*" "\\1 " script "${script}")
string(REGEX REPLACE "\r?\n" ";" lines "${script}")

set(cases "")
set(dialog "")
foreach(line IN LISTS lines)
  string(STRIP "${line}" line)
  if(line MATCHES "^([A-Za-z_0-9]+)[ \t]+DIALOGEX")
    set(dialog ${CMAKE_MATCH_1})
    set(caption "\"\"")
    set(visible false)
    set(controls "")
  elseif(dialog STREQUAL "" OR line STREQUAL "" OR line MATCHES "^(//|BEGIN$|FONT |EXSTYLE )")
  elseif(line MATCHES "^CAPTION[ \t]+(.*)")
    set(caption "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^STYLE[ \t]+(.*)")
    style_words("${CMAKE_MATCH_1}" style)
    if(style MATCHES " WS_VISIBLE ")
      set(visible true)
    endif()
  elseif(line STREQUAL "END")
    wide_text("${caption}" caption)
    string(APPEND cases "    case ${dialog}:\n        return {${caption},\n                {\n"
                        "${controls}                },\n                ${visible}};\n")
    set(dialog "")
  elseif(line MATCHES "^([LRC]TEXT|(DEF)?PUSHBUTTON|GROUPBOX|EDITTEXT|COMBOBOX|CONTROL)[ \t]+(.*)")
    set(keyword ${CMAKE_MATCH_1})
    set(arguments "${CMAKE_MATCH_3}")
    # Commas inside strings are text, not separators.
    string(REGEX MATCHALL "\"[^\"]*\"" strings "${arguments}")
    foreach(string IN LISTS strings)
      string(REPLACE "," "@COMMA@" protected "${string}")
      string(REPLACE "${string}" "${protected}" arguments "${arguments}")
    endforeach()
    string(REPLACE "," ";" fields "${arguments}")
    list(TRANSFORM fields STRIP)
    style_words("${arguments}" style)
    if(keyword MATCHES "^(EDITTEXT|COMBOBOX)$")
      list(GET fields 0 id)
      set(text "\"\"")
    else()
      list(GET fields 0 text)
      list(GET fields 1 id)
    endif()
    set(kind ${KIND_${keyword}})
    list(FIND TAB_STOPS ${keyword} tabStop)
    if(keyword STREQUAL "CONTROL")
      list(GET fields 2 class)
      string(REPLACE "\"" "" class "${class}")
      set(kind ${KIND_${class}})
      if(class STREQUAL "Button")
        string(REGEX MATCH "BS_AUTO[A-Z]+" buttonStyle "${style}")
        set(kind ${KIND_${buttonStyle}})
      endif()
      if(NOT text MATCHES "^\"")
        set(text "\"\"") # an icon's resource identifier
      endif()
    endif()
    if(NOT kind)
      message(FATAL_ERROR "${RESOURCE_SCRIPT}: no fake control for \"${line}\"")
    endif()
    wide_text("${text}" text)
    set(control "FakeControl::Make(${id}, FakeControlKind::${kind}, ${text})")
    foreach(word modifier IN ZIP_LISTS STYLE_WORDS MODIFIERS)
      if(style MATCHES " ${word} ")
        string(APPEND control ".${modifier}()")
      endif()
    endforeach()
    if(style MATCHES " -WS_TABSTOP " OR (tabStop EQUAL -1 AND NOT style MATCHES " WS_TABSTOP "))
      string(APPEND control ".NoTabStop()")
    endif()
    string(APPEND controls "                    ${control},\n")
  else()
    message(FATAL_ERROR "${RESOURCE_SCRIPT}: no fake for \"${line}\" in ${dialog}")
  endif()
endforeach()

set(header "// Written by cmake/FakeDialogTemplates.cmake from res/Tapwell.rc: edit the resource script.
#pragma once
#include \"fakes/FakeDialogTemplate.h\"
#include \"resource.h\"

// The dialog the resource script gives dialogId, for FakeWindows::AddDialogTemplate; an empty one
// for an identifier it does not have.
inline FakeDialogTemplate ResourceDialogTemplate(int dialogId) {
    switch (dialogId) {
${cases}    default:
        return FakeDialogTemplate{};
    }
}
")
string(REPLACE "@SEMICOLON@" ";" header "${header}")
string(REPLACE "@OPEN@" "[" header "${header}")
string(REPLACE "@CLOSE@" "]" header "${header}")
string(REPLACE "@COMMA@" "," header "${header}")
file(WRITE ${HEADER} "${header}")
