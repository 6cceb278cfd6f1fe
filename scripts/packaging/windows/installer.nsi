; The Windows installer: a 64-bit NSIS program built on Debian by makensis, which
; scripts/packaging/windows.sh runs with
;   -DVERSION=<x.y.z> -DSTAGE=<folder of what is installed> -DOUTFILE=<setup.exe>
; STAGE holds "ORL Chordwell.vst3", ORLChordwell.dll, chordwell-host.exe and manual.html.
;
; The bundle goes where Windows VST 3 hosts look (Common Files\VST3), the library, the host and
; the manual into Program Files\Orlund\ORL Chordwell; the manual's path becomes the product's
; "ManualPath" setting, a REG_SZ in HKCU\SOFTWARE\Orlund\ORLChordwell, as
; `chordwell-host install-manual` writes it. Installing over an earlier version first removes
; what that one installed, so one bundle and one Add/Remove Programs entry remain.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!ifndef VERSION
  !error "makensis needs -DVERSION=..., -DSTAGE=... and -DOUTFILE=..."
!endif
!ifndef STAGE
  !error "makensis needs -DSTAGE=..."
!endif
!ifndef OUTFILE
  !error "makensis needs -DOUTFILE=..."
!endif

!define PRODUCT "ORL Chordwell"
!define PUBLISHER "Orlund"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ORL Chordwell"
!define SETTINGS_KEY "SOFTWARE\Orlund\ORLChordwell"
!define BUNDLE "$COMMONFILES64\VST3\ORL Chordwell.vst3"
!define ICON "${STAGE}\ORL Chordwell.vst3\Contents\Resources\PlugIn.ico"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Orlund\ORL Chordwell"
; An upgrade goes where the earlier version is, unless /D= says otherwise (a 64-bit installer
; reads the registry's 64-bit view).
InstallDirRegKey HKLM "${UNINSTALL_KEY}" InstallLocation
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 ProductName "${PRODUCT}"
VIAddVersionKey /LANG=1033 CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=1033 FileDescription "${PRODUCT} ${VERSION} installer"
VIAddVersionKey /LANG=1033 FileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 ProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 LegalCopyright "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_SMALLDESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Every file an installation in DIR may have put in place, but the uninstaller. The bundle is
; ours whole; the program folder only loses our files.
!macro RemoveInstalledFiles DIR
  Delete "${DIR}\ORLChordwell.dll"
  Delete "${DIR}\chordwell-host.exe"
  Delete "${DIR}\manual.html"
  ${If} ${FileExists} "${BUNDLE}\*.*"
    SetFileAttributes "${BUNDLE}" NORMAL
    RMDir /r "${BUNDLE}"
  ${EndIf}
!macroend

; Drops the ManualPath setting only while it still names the manual installed in DIR (the user
; may have pointed it elsewhere since), and the product's key only when nothing else is in it:
; memo slots, last folders and the other settings are the user's.
!macro ForgetManual DIR
  ClearErrors
  ReadRegStr $R1 HKCU "${SETTINGS_KEY}" ManualPath
  ${IfNot} ${Errors}
  ${AndIf} $R1 == "${DIR}\manual.html"
    DeleteRegValue HKCU "${SETTINGS_KEY}" ManualPath
  ${EndIf}
  DeleteRegKey /ifempty HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "SOFTWARE\Orlund"
!macroend

Var previous ; an earlier installation's program folder, or ""

Function .onInit
  SetRegView 64
  ReadRegStr $previous HKLM "${UNINSTALL_KEY}" InstallLocation
FunctionEnd

Section "-earlier installation"
  ${If} $previous != ""
    DetailPrint "Removing the earlier installation in $previous"
    !insertmacro RemoveInstalledFiles "$previous"
    !insertmacro ForgetManual "$previous"
    Delete "$previous\Uninstall.exe"
    ${If} $previous != $INSTDIR
      RMDir "$previous"
    ${EndIf}
  ${EndIf}
SectionEnd

Section "VST 3 plug-in" SecVst3
  SetOutPath "$COMMONFILES64\VST3"
  File /r "${STAGE}\ORL Chordwell.vst3"
  ; Explorer reads a folder's desktop.ini (here: the bundle's icon) only when the folder is
  ; marked system or read-only; the file itself is hidden as Windows hides its own.
  SetFileAttributes "${BUNDLE}\desktop.ini" HIDDEN|SYSTEM
  SetFileAttributes "${BUNDLE}" SYSTEM
SectionEnd

Section "Plug-in library and host" SecHost
  SetOutPath "$INSTDIR"
  File "${STAGE}\ORLChordwell.dll"
  File "${STAGE}\chordwell-host.exe"
SectionEnd

Section "Manual" SecManual
  SetOutPath "$INSTDIR"
  File "${STAGE}\manual.html"
  ; What the window's "?" button opens.
  WriteRegStr HKCU "${SETTINGS_KEY}" ManualPath "$INSTDIR\manual.html"
SectionEnd

Section "-uninstaller"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  ; Add/Remove Programs' entry, under a fixed name so that an upgrade replaces it.
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" URLInfoAbout "https://www.orlund.com"
  WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\Uninstall.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  ${If} ${FileExists} "${BUNDLE}\*.*"
    ${GetSize} "${BUNDLE}" "/S=0K" $3 $1 $2
    IntOp $0 $0 + $3
  ${EndIf}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecVst3} \
    "The VST 3 plug-in, in Common Files\VST3, where VST 3 hosts find it."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecHost} \
    "ORLChordwell.dll and chordwell-host.exe, which renders audio files through it."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecManual} \
    "The operation manual, opened by the plug-in window's ? button."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Uninstall"
  !insertmacro RemoveInstalledFiles "$INSTDIR"
  !insertmacro ForgetManual "$INSTDIR"
  Delete "$INSTDIR\Uninstall.exe"
  ; Only when empty: what the user put there stays.
  RMDir "$INSTDIR"
  RMDir "$PROGRAMFILES64\Orlund"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
