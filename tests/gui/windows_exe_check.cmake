# cmake -DOBJDUMP=... -DWINDRES=... -DPROGRAM=rosmossel.exe -DVERSION=x.y.z -P windows_exe_check.cmake
# Fails unless every DLL the program imports is one that Windows itself ships,
# and unless it carries its version resource and manifest.
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

execute_process(COMMAND ${WINDRES} -i ${PROGRAM} -O rc OUTPUT_VARIABLE resources
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${WINDRES} could not read the resources of ${PROGRAM}")
endif()
foreach(wanted "VALUE \"FileVersion\", \"${VERSION}\"" "RT_MANIFEST" "PerMonitorV2"
               "Microsoft.Windows.Common-Controls" "Type: icon")
    string(FIND "${resources}" "${wanted}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${PROGRAM} lacks ${wanted} in its resources")
    endif()
endforeach()
# Typed texts stay in the system's ANSI code page: no UTF-8 opt-in.
if(resources MATCHES "<activeCodePage")
    message(FATAL_ERROR "${PROGRAM} opts into another code page")
endif()
