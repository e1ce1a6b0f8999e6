#!/usr/bin/env bash
# Printing as a user's printer gets it: a private CUPS scheduler with one queue
# that writes to a file, reached by "Udskriv", the preview's Print (placed as
# the accessibility bus tells) and the print dialog's Print.
source "$(dirname "${BASH_SOURCE[0]}")/lib_dbus.sh"

cups=$dir/cups out=$dir/printed
mkdir -p "$cups"/{etc,spool,state,cache,log} "$out"
# The filters run as the scheduler's unprivileged user and read the spool.
chmod 755 "$dir" "$cups"
user=$(id -un) && ((EUID == 0)) && user=lp # cupsd runs no filter as root
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
cat >"$cups/etc/cups-files.conf" <<EOF
User $user
Group $(id -gn "$user")
SystemGroup root
FileDevice Yes
ServerRoot $cups/etc
RequestRoot $cups/spool
StateDir $cups/state
CacheDir $cups/cache
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $cups/log/access_log
ErrorLog $cups/log/error_log
PageLog $cups/log/page_log
EOF
cat >"$cups/etc/cupsd.conf" <<EOF
LogLevel debug
Listen $cups/socket
Listen 127.0.0.1:$port
Browsing No
PreserveJobHistory Yes
DefaultAuthType None
<Policy default>
  <Limit All>
    Allow all
  </Limit>
</Policy>
EOF
# PDF as it is, both sides possible; defaults US Letter and one side, so that a
# setting the program does not ask for shows.
cat >"$cups/queue.ppd" <<'EOF'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*NickName: "Tervol test queue, PDF to a file"
*ModelName: "Tervol test queue"
*cupsFilter2: "application/vnd.cups-pdf application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*DefaultPageSize: Letter
*PageSize Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*DefaultImageableArea: Letter
*ImageableArea Letter/US Letter: "18 18 594 774"
*ImageableArea A4/A4: "18 18 577 824"
*DefaultPaperDimension: Letter
*PaperDimension Letter/US Letter: "612 792"
*PaperDimension A4/A4: "595 842"
*OpenUI *Duplex/2-Sided Printing: PickOne
*DefaultDuplex: None
*Duplex None/Off: "<</Duplex false>>setpagedevice"
*Duplex DuplexNoTumble/Long Edge: "<</Duplex true/Tumble false>>setpagedevice"
*Duplex DuplexTumble/Short Edge: "<</Duplex true/Tumble true>>setpagedevice"
*CloseUI: *Duplex
EOF

# Qt's dialogs speak the window's language, Danish at start.
preview='^Forh.*ndsvis udskrift' dialog='^Udskriv$' print=Udskriv
cupsd -f -c "$cups/etc/cupsd.conf" -s "$cups/etc/cups-files.conf" >"$cups/log/cupsd.out" 2>&1 &
cupsd=$!
trap 'kill "$cupsd" 2>/dev/null; cleanup' EXIT
export CUPS_SERVER=$cups/socket
running() { [[ -S $CUPS_SERVER ]] && lpstat -r >/dev/null 2>&1; }
poll 10 running || fail "no scheduler: $(cat "$cups/log/cupsd.out" "$cups/log/error_log" 2>/dev/null)"
# The default printer's PPD lacks *LanguageEncoding, on which Qt 6.4's
# printer properties crash: the program leaves it out of the print dialog.
grep -v '^\*LanguageEncoding' "$cups/queue.ppd" >"$cups/nolang.ppd"
{ lpadmin -p Tervol_test -E -v "file://$out/report.pdf" -P "$cups/queue.ppd" &&
    lpadmin -p Tervol_nolang -E -v "file:///dev/null" -P "$cups/nolang.ppd" && lpadmin -d Tervol_nolang; } \
    2>"$cups/log/lpadmin.out" || fail "lpadmin: $(cat "$cups/log/lpadmin.out")"
# note: the box that names the printers left out, closed by Enter.
note() {
    poll 10 found '^Tervol$' || fail "no note on the printer left out"
    xdo windowfocus --sync "$win"
    xdo key Return
}

# "Udskriv", then the preview's Print, past the note on the left-out printer,
# to Qt's print dialog.
open_print_dialog() {
    click Udskriv "$(button 168)"
    poll 10 found "$preview" || fail "Udskriv: no print preview"
    read -r px py < <("${walker[@]}" where "$preview" "push button" "$print") || fail "no Print button in the preview"
    xdo mousemove "$px" "$py" click 1
    note
    poll 10 found "$dialog" || fail "the preview's Print opened no print dialog"
}

start C
open_print_dialog
"${walker[@]}" where "$dialog" "combo box" Tervol_test >/dev/null || fail "the print dialog does not offer Tervol_test"
enter "$dialog" "the print dialog"

completed() { [[ $(lpstat -W completed -o Tervol_test 2>/dev/null) ]]; }
poll 30 completed || fail "no completed job: $(lpstat -o 2>&1; tail -n 20 "$cups/log/error_log")"
read -r job _ < <(lpstat -W completed -o Tervol_test)
# No copies attribute means the queue's default, one copy; a second copy
# would also show as a second page in the queue's PDF.
cat >"$cups/job.test" <<'EOF'
{
    OPERATION Get-Job-Attributes
    GROUP operation-attributes-tag
    ATTR charset attributes-charset utf-8
    ATTR naturalLanguage attributes-natural-language en
    ATTR uri printer-uri $uri
    ATTR integer job-id $job_id
    ATTR keyword requested-attributes all
    STATUS successful-ok
    EXPECT job-state OF-TYPE enum WITH-VALUE 9
    EXPECT media OF-TYPE keyword WITH-VALUE "/^(A4|iso_a4_210x297mm)$/"
    EXPECT sides OF-TYPE keyword WITH-VALUE "two-sided-long-edge"
    EXPECT ?copies OF-TYPE integer WITH-VALUE 1
    EXPECT !page-ranges
    EXPECT job-impressions-completed OF-TYPE integer WITH-VALUE 1
}
EOF
ipptool -t -d "job_id=${job##*-}" "ipp://127.0.0.1:$port/printers/Tervol_test" "$cups/job.test" >&2 ||
    fail "the job's attributes"

info=$(pdfinfo "$out/report.pdf") || fail "the queue wrote no PDF"
grep -qx 'Pages: *1' <<<"$info" || fail "not one page: $info"
grep -q '^Page size: *595\.[0-9]* x 841\.[0-9]* pts (A4)$\|^Page size: *595\(\.[0-9]*\)\? x 842\(\.[0-9]*\)\? pts (A4)$' <<<"$info" ||
    fail "not an A4 page: $(grep '^Page size' <<<"$info")"
text=$(pdftotext -layout "$out/report.pdf" -) || fail "pdftotext"
for row in 'Effekt +55 +kW +55 +kW' 'Primær temp. frem +70 +°C +73 +°C' 'Primær temp. retur +40 +°C +33.0 +°C' \
    'Varmeoverføringsevne +11.00 +kW/°C +9.52 +kW/°C'; do
    grep -Eq "$row" <<<"$text" || fail "no row /$row/ on the printed page: $text"
done
quit Escape Escape

# A queue that rejects jobs: the refusal is said, not taken for a print.
cupsreject Tervol_test 2>"$cups/log/reject.out" || fail "cupsreject: $(<"$cups/log/reject.out")"
jobs_before=$(lpstat -W all -o Tervol_test 2>/dev/null | wc -l)
start C
open_print_dialog
xdo windowfocus --sync "$win"
xdo key Return
poll 10 gone "$dialog" && poll 10 gone "$preview" || fail "the print dialog or the preview stays open"
poll 10 found '^Tervol$' || fail "a refused job gave no message"
[[ $(lpstat -W all -o Tervol_test 2>/dev/null | wc -l) == "$jobs_before" ]] || fail "the rejecting queue holds a new job"
xdo key Return
poll 5 only_main || fail "the refusal's box stays open"
quit Escape Escape

# A print server that takes the connection and never answers: the preview
# still opens at once, on the PDF-only page with its reason.
silent=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
/usr/bin/python3 -c '
import socket, sys
s = socket.socket(); s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(("127.0.0.1", int(sys.argv[1]))); s.listen(16)
held = []
while True:
    held.append(s.accept()[0])
' "$silent" &
listener=$!
trap 'kill "$cupsd" "$listener" 2>/dev/null; cleanup' EXIT
export CUPS_SERVER=127.0.0.1:$silent
start C
click Udskriv "$(button 168)"
poll 3 found '^Vis udskrift$' || fail "with a silent print server no preview within 3 s"
xdo windowfocus --sync "$win"
xdo key Escape
poll 5 only_main || fail "the PDF-only preview stays open after Escape"
quit Escape Escape
step "all passed"
