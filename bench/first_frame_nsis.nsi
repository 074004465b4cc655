; The NSIS counterpart of the installer's first frame: a MUI2 installer whose first page is the welcome page.
; setup_first_frame_bench times it from process start to its dialog being visible.
;   makensis -DOUTFILE=<path> bench/first_frame_nsis.nsi
Unicode true
Target amd64-unicode
!include "MUI2.nsh"
Name "Velnix"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\VelnixFirstFrameBench"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
Section
SectionEnd
