; The Windows installer: for the current user, without administrator
; rights, into %LOCALAPPDATA%\Programs\Luvanto. A start-menu entry that
; starts the program in its folder (so that "Logo.bmp" lies beside
; luvanto.exe), an optional desktop icon, .lkz files opened by the program,
; an entry in "Apps & Features", and an uninstaller that removes what was
; installed and nothing else. "/S" installs and uninstalls silently.
;
; scripts/windows calls makensis with
;   -DBAU=<the build folder>          Version.nsh, luvanto.ico
;   -DDATEIEN=<Dateien.nsh>           the File commands of the folder
;   -DENTFERNEN=<Entfernen.nsh>       the matching Delete commands
;   -DZIEL=<the installer to write>
; 64-bit, as the program: Windows on x64 only, and Wine without its 32-bit part.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "${BAU}/resources/windows/Version.nsh"
!include "MUI2.nsh"

Name "${PROGRAMMNAME}"
OutFile "${ZIEL}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Luvanto"
InstallDirRegKey HKCU "Software\Luvanto" "Ordner"
BrandingText "${HERSTELLER}"
VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductName" "${PROGRAMMNAME}"
VIAddVersionKey /LANG=1031 "CompanyName" "${HERSTELLER}"
VIAddVersionKey /LANG=1031 "FileDescription" "${PROGRAMMNAME} – Installation"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "© ${HERSTELLER}"

!define UNINSTALL_SCHLUESSEL "Software\Microsoft\Windows\CurrentVersion\Uninstall\Luvanto"
!define DATEITYP "Luvanto.Projekt"

!define MUI_ICON "${BAU}/resources/windows/luvanto.ico"
!define MUI_UNICON "${BAU}/resources/windows/luvanto.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\luvanto.exe"
!define MUI_FINISHPAGE_RUN_TEXT "${PROGRAMMNAME} jetzt starten"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Section "${PROGRAMMNAME}" Programm
    SectionIn RO
    SetShellVarContext current
    !include "${DATEIEN}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\Deinstallieren.exe"

    ; Started from the menu, the program's working folder is its own.
    CreateShortcut "$SMPROGRAMS\${PROGRAMMNAME}.lnk" "$INSTDIR\luvanto.exe" "" "$INSTDIR\luvanto.exe" 0

    ; Project files: icon, "Öffnen" and the program under "Öffnen mit".
    WriteRegStr HKCU "Software\Classes\.lkz" "" "${DATEITYP}"
    WriteRegStr HKCU "Software\Classes\.lkz\OpenWithProgids" "${DATEITYP}" ""
    WriteRegStr HKCU "Software\Classes\${DATEITYP}" "" "Luvanto-Projekt"
    WriteRegStr HKCU "Software\Classes\${DATEITYP}\DefaultIcon" "" "$INSTDIR\luvanto.exe,1"
    WriteRegStr HKCU "Software\Classes\${DATEITYP}\shell\open" "" "Öffnen"
    WriteRegStr HKCU "Software\Classes\${DATEITYP}\shell\open\command" "" '"$INSTDIR\luvanto.exe" "%1"'
    WriteRegStr HKCU "Software\Classes\Applications\luvanto.exe\shell\open\command" "" '"$INSTDIR\luvanto.exe" "%1"'
    WriteRegStr HKCU "Software\Classes\Applications\luvanto.exe\SupportedTypes" ".lkz" ""
    WriteRegStr HKCU "Software\Classes\Applications\luvanto.exe" "FriendlyAppName" "${PROGRAMMNAME}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    WriteRegStr HKCU "Software\Luvanto" "Ordner" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_SCHLUESSEL}" "DisplayName" "${PROGRAMMNAME}"
    WriteRegStr HKCU "${UNINSTALL_SCHLUESSEL}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_SCHLUESSEL}" "Publisher" "${HERSTELLER}"
    WriteRegStr HKCU "${UNINSTALL_SCHLUESSEL}" "URLInfoAbout" "https://${WEBHOST}/"
    WriteRegStr HKCU "${UNINSTALL_SCHLUESSEL}" "DisplayIcon" "$INSTDIR\luvanto.exe,0"
    WriteRegStr HKCU "${UNINSTALL_SCHLUESSEL}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_SCHLUESSEL}" "UninstallString" '"$INSTDIR\Deinstallieren.exe"'
    WriteRegStr HKCU "${UNINSTALL_SCHLUESSEL}" "QuietUninstallString" '"$INSTDIR\Deinstallieren.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_SCHLUESSEL}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_SCHLUESSEL}" "NoRepair" 1
    SectionGetSize ${Programm} $0
    WriteRegDWORD HKCU "${UNINSTALL_SCHLUESSEL}" "EstimatedSize" $0
SectionEnd

Section /o "Verknüpfung auf dem Desktop" Desktop
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    CreateShortcut "$DESKTOP\${PROGRAMMNAME}.lnk" "$INSTDIR\luvanto.exe" "" "$INSTDIR\luvanto.exe" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${Programm} "Das Programm mit Qt und der MinGW-Laufzeit; .lkz-Dateien öffnen mit Luvanto."
    !insertmacro MUI_DESCRIPTION_TEXT ${Desktop} "Ein Symbol auf dem Desktop, das das Programm startet."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
    SetShellVarContext current
    ; Only what the installer wrote: files the user saved in the folder
    ; (Logo.bmp, projects) stay, and the folder with them.
    !include "${ENTFERNEN}"
    Delete "$INSTDIR\Deinstallieren.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PROGRAMMNAME}.lnk"
    Delete "$DESKTOP\${PROGRAMMNAME}.lnk"

    ; The file type only while it is still this program's.
    ReadRegStr $0 HKCU "Software\Classes\.lkz" ""
    StrCmp $0 "${DATEITYP}" 0 +2
        DeleteRegValue HKCU "Software\Classes\.lkz" ""
    DeleteRegValue HKCU "Software\Classes\.lkz\OpenWithProgids" "${DATEITYP}"
    DeleteRegKey /ifempty HKCU "Software\Classes\.lkz\OpenWithProgids"
    DeleteRegKey /ifempty HKCU "Software\Classes\.lkz"
    DeleteRegKey HKCU "Software\Classes\${DATEITYP}"
    DeleteRegKey HKCU "Software\Classes\Applications\luvanto.exe"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    DeleteRegKey HKCU "${UNINSTALL_SCHLUESSEL}"
    DeleteRegKey HKCU "Software\Luvanto"
SectionEnd
