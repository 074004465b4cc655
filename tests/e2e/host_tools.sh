#!/bin/bash
# Host-side helpers for the end-to-end tests, which run as Windows programs under Wine and start this script
# through Wine's support for Unix programs. Everything the command prints goes to OUT; its exit status to
# OUT.status (Wine does not pass a Unix program's exit status on exactly).
#   host_tools.sh OUT COMMAND [ARGS...]                  any host command (xdotool, import, ...)
#   host_tools.sh OUT region-difference SHOT EXPECTED WxH+X+Y +EX+EY
#        the mean absolute difference (0..1) between the region of SHOT and the same-sized region of EXPECTED
#        at EX, EY
#   host_tools.sh OUT mean-colour IMAGE WxH+X+Y          the region's mean colour as R,G,B (0..255)
#   host_tools.sh OUT colours IMAGE WxH+X+Y              the region's colours, one "COUNT R,G,B" line each, the
#        most frequent first
#   host_tools.sh OUT picture-on BACKDROP WxH+X+Y PICTURE PWxPH+PX+PY RESULT
#        PICTURE scaled to PW x PH pixels and laid at PX, PY over the WxH region at X, Y of the image BACKDROP (or
#        over a WxH area of a colour such as '#2F2F2F'): what a window draws there. PW, PH, PX, PY may be halves
#        of a pixel (16.5); the picture is composed at twice the size and the result reduced by averaging.
#   host_tools.sh OUT expected-window SCALE BG BRAND LOGO LOGO2 RESULT
#        the window's background after the intro (bg with brand at 50,70, logo and logo2 at 450,90) at SCALE
#        1 from the plain pictures, or at a higher SCALE from the double-size ones (composed at twice the size,
#        then reduced to SCALE: 75 % of it for 1.5, unchanged for 2)
#   host_tools.sh OUT wine-program PROGRAM [ARGS...]
#        runs a Windows program of this Wine session in a Wine process of its own, with Wine's error messages on;
#        OUT gets its error output, then the line "unix-status N" with the status the Wine process ended with
#        (128 + the signal's number when a signal such as SIGSEGV ended it)
set -u
out=$1
shift
status=0
{
  case $1 in
    region-difference)
      geometry=$4
      size=${geometry%%+*}
      tmp=$(mktemp -d)
      convert "$2" -crop "$geometry" +repage "$tmp/a.png" &&
        convert "$3" -crop "$size$5" +repage "$tmp/b.png" &&
        { compare -metric MAE "$tmp/a.png" "$tmp/b.png" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p'; true; }
      status=$?
      rm -rf "$tmp"
      ;;
    mean-colour)
      convert "$2" -crop "$3" +repage -resize '1x1!' -format '%[fx:int(255*r+0.5)],%[fx:int(255*g+0.5)],%[fx:int(255*b+0.5)]' info:
      status=$?
      ;;
    colours)
      convert "$2" -alpha off -crop "$3" +repage -depth 8 -format %c histogram:info:- |
        sed -n 's/^ *\([0-9]*\): *(\([0-9]*\),\([0-9]*\),\([0-9]*\)[,)].*/\1 \2,\3,\4/p' | sort -rn
      status=${PIPESTATUS[0]}
      ;;
    picture-on)
      region=$3
      size=${region%%+*}
      placement=$5
      twice() { awk -v v="$1" 'BEGIN { printf "%d", v * 2 }'; }
      pw=$(twice "${placement%%x*}")
      rest=${placement#*x}
      ph=$(twice "${rest%%[+-]*}")
      offsets=${rest#"${rest%%[+-]*}"}
      px=${offsets%[+-]*}
      py=${offsets#"$px"}
      backdrop=(-size "$size" "xc:$2")
      [[ -f $2 ]] && backdrop=("$2" -crop "$region" +repage)
      convert "${backdrop[@]}" -alpha off -scale 200% \( "$4" -resize "${pw}x${ph}!" \) \
        -geometry "$(printf '%+d%+d' "$(twice "$px")" "$(twice "$py")")" -composite -scale 50% "$6"
      status=$?
      ;;
    expected-window)
      if [[ $2 == 1 ]]; then
        convert "$3" "$4" -geometry +50+70 -composite "$5" -geometry +450+90 -composite \
          "$6" -geometry +450+90 -composite "$7"
      else
        convert "$3" "$4" -geometry +100+140 -composite "$5" -geometry +900+180 -composite \
          "$6" -geometry +900+180 -composite -resize "$(awk -v s="$2" 'BEGIN { print s * 50 }')%" "$7"
      fi
      status=$?
      ;;
    wine-program)
      shift
      wine=/usr/lib/wine/wine64
      [[ -x $wine ]] || wine=$(command -v wine64 || command -v wine)
      WINEDEBUG=fixme-all "$wine" "$@" 2>&1 >/dev/null
      echo "unix-status $?"
      ;;
    *)
      "$@"
      status=$?
      ;;
  esac
} > "$out" 2>&1
echo "$status" > "$out.status"
