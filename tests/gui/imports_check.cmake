# cmake -DOBJDUMP=... -DPROGRAM=rosmossel.exe -P imports_check.cmake
# Fails unless every DLL the program imports is one that Windows itself ships.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed")
endif()
set(system_dlls advapi32 authz comdlg32 d3d9 d3d11 dwmapi dwrite dxgi gdi32 imm32 kernel32
    msvcrt netapi32 ole32 oleaut32 shcore shell32 shlwapi user32 userenv uxtheme version
    winmm ws2_32 wtsapi32 comctl32 setupapi crypt32 bcrypt)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
if(NOT imports)
    message(FATAL_ERROR "no import table in ${PROGRAM}")
endif()
foreach(line IN LISTS imports)
    string(REGEX REPLACE "DLL Name: (.+)\\.[dD][lL][lL]$" "\\1" dll "${line}")
    string(TOLOWER "${dll}" dll)
    if(NOT dll IN_LIST system_dlls AND NOT dll MATCHES "^api-ms-win-")
        message(FATAL_ERROR "${PROGRAM} imports ${dll}.dll, which Windows does not ship")
    endif()
endforeach()
