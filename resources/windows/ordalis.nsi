; The Windows installer: the program's folder into Program Files, an entry in
; the Start menu and in the system's list of programs, and an uninstaller
; that takes all of it away again. Silent with /S.
;   makensis -DVERSION=<version> -DFOLDER=<laid-out folder> -DFILES=<list> -DOUTFILE=<setup.exe> ordalis.nsi
; FILES is an include file that removes each file and folder of the laid-out
; folder from $INSTDIR (tools/qt-windows/installer.sh writes it): the
; uninstaller takes away what was installed and nothing else, whatever folder
; the user chose.
; A 64-bit installer for the 64-bit program: Program Files and the registry
; are then the 64-bit ones.
Target amd64-unicode
; The installer's name ends in "-setup.exe", as users look for: Windows then
; treats it as an installer, which it is.
!pragma warning disable 9000
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ordalis"

Name "Ordalis..."
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Ordalis"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1036 "ProductName" "Ordalis..."
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation d'Ordalis..."
VIAddVersionKey /LANG=1036 "LegalCopyright" "Les auteurs d'Ordalis..."
LoadLanguageFile "${NSISDIR}\Contrib\Language files\French.nlf"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r "${FOLDER}\*"
    WriteUninstaller "$INSTDIR\Desinstaller.exe"
    CreateShortcut "$SMPROGRAMS\Ordalis.lnk" "$INSTDIR\ordalis.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Ordalis..."
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ordalis.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Desinstaller.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Desinstaller.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Ordalis.lnk"
    !include "${FILES}"
    Delete "$INSTDIR\Desinstaller.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
