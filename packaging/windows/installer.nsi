; Pelmora's installer: for the current user, without administrator rights, into
; %LOCALAPPDATA%\Programs\Pelmora (/D= picks another folder), with a Start-menu shortcut and an
; entry among the installed apps (Settings > Apps); /S installs silently. A new version goes
; where the installed one is (InstallDirRegKey), unless /D= says otherwise. An installed copy is
; first removed by its own uninstaller; if that fails, nothing is installed over it and the exit
; code is 3. An older version than the installed one changes nothing and ends with 4. The
; uninstaller ends with 1 when a file could not be removed, and both end with 2 while Pelmora
; runs.
; packaging/windows/package runs makensis with VERSION, VENDOR, FOLDER (the deployed program),
; ICON, FILES and FOLDERS (the files and folders to remove on uninstalling) and OUTFILE defined;
; a signed build also defines SIGN (packaging/windows/sign) and PLUGINS, signed NSIS plug-ins.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
SetDateSave off ; the same installer from any build: no file times in it
RequestExecutionLevel user
ManifestDPIAware true
!ifdef SIGN ; only then: even a command that does nothing changes the installer
    !uninstfinalize '"${SIGN}" "%1" uninstall.exe' = 0
    !addplugindir /amd64-unicode "${PLUGINS}"
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelmora"
!define SHORTCUT "$SMPROGRAMS\Pelmora.lnk"

Name "Pelmora"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Pelmora"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Pelmora ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Pelmora"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${VENDOR}"
VIAddVersionKey "FileDescription" "Pelmora ${VERSION} installer"
VIAddVersionKey "LegalCopyright" "${VENDOR}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\pelmora.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Run Pelmora"
!insertmacro MUI_PAGE_LICENSE "${FOLDER}\licenses\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; WaitUntilClosed FOLDER: while pelmora.exe in FOLDER runs, Windows refuses to open it for
; writing. The user is asked to close it; silently, or when the user gives up, nothing is changed
; and the exit code is 2.
!macro WaitUntilClosed un
Function ${un}WaitUntilClosed
    Exch $0
    ${Do}
        ${IfNot} ${FileExists} "$0\pelmora.exe"
            ${Break}
        ${EndIf}
        ClearErrors
        FileOpen $1 "$0\pelmora.exe" a
        ${IfNot} ${Errors}
            FileClose $1
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "Pelmora is running. Close it, then press Retry." /SD IDCANCEL IDRETRY retry
        SetErrorLevel 2
        Quit
        retry:
    ${Loop}
    Pop $0
FunctionEnd
!macroend
!insertmacro WaitUntilClosed ""
!insertmacro WaitUntilClosed "un."

Function .onInit
    SetShellVarContext current
    ; An older setup, run by mistake or from an old link, would quietly take a newer version
    ; away: refused before any page. 2: the installed version is the newer (1.0.10 > 1.0.9).
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "DisplayVersion"
    ${If} $0 != ""
        ${VersionCompare} "${VERSION}" "$0" $1
        ${If} $1 == 2
            MessageBox MB_OK|MB_ICONSTOP \
                "A newer Pelmora, $0, is installed. To install ${VERSION}, uninstall it first." \
                /SD IDOK
            SetErrorLevel 4
            Quit
        ${EndIf}
    ${EndIf}
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section "Pelmora"
    ; One copy: an installed one goes first, as its uninstaller would remove it, and it waits.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
        Push $0
        Call WaitUntilClosed
        ${If} ${FileExists} "$0\uninstall.exe"
            ClearErrors
            ExecWait '"$0\uninstall.exe" /S _?=$0' $1
            ${If} ${Errors}
            ${OrIf} $1 != 0
                MessageBox MB_OK|MB_ICONSTOP \
                    "The installed Pelmora in $0 could not be removed. Nothing was installed." \
                    /SD IDOK
                SetErrorLevel 3
                Quit
            ${EndIf}
            Delete "$0\uninstall.exe"
            RMDir "$0"
        ${EndIf}
    ${EndIf}
    Push $INSTDIR
    Call WaitUntilClosed

    SetOutPath "$INSTDIR"
    File /r "${FOLDER}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\pelmora.exe" "" "$INSTDIR\pelmora.exe" 0

    ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Pelmora"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${VENDOR}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pelmora.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put there, and the folder only if nothing else is left in it. A file
; that cannot be removed leaves the uninstaller, the shortcut and the Apps entry in place, to
; try again, and the exit code is 1.
Section "Uninstall"
    Push $INSTDIR
    Call un.WaitUntilClosed
    ClearErrors
    !include "${FILES}"
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "Some of Pelmora's files in $INSTDIR could not be removed." \
            /SD IDOK
        SetErrorLevel 1
        Quit
    ${EndIf}
    !include "${FOLDERS}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
