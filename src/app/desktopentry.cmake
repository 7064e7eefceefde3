# Runs at install time: writes the desktop entry with the installed program's
# full path, as an install prefix need not be on PATH.
foreach(dir bin data)
    string(TOUPPER ${dir} var)
    if(IS_ABSOLUTE "${TD_${var}DIR}")
        set(${dir}Dir "${TD_${var}DIR}")
    else()
        set(${dir}Dir "${CMAKE_INSTALL_PREFIX}/${TD_${var}DIR}")
    endif()
endforeach()

# Quoted for the entry format: \ " ` $ escaped inside the quotes, % doubled,
# then every backslash doubled once more as the string value demands.
set(exec "${binDir}/tickerdeck")
string(REGEX REPLACE "([\\\\\"`$])" "\\\\\\1" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
string(REPLACE "\\" "\\\\" exec "${exec}")
set(TD_EXEC "\"${exec}\"")

configure_file("${TD_DESKTOP_TEMPLATE}" "${TD_STAGE}/tickerdeck.desktop" @ONLY)
file(INSTALL "${TD_STAGE}/tickerdeck.desktop" DESTINATION "${dataDir}/applications")
