#!/bin/sh
# print-setup.sh OUTDIR: starts CUPS (no systemd needed) with a default queue "PlaceworksPDF"
# that writes every job as a PDF file OUTDIR/job.pdf. Run as root.
set -e
out=${1:-/tmp/placeworks-print}
here=$(cd "$(dirname "$0")" && pwd)
if ! grep -q '^FileDevice Yes' /etc/cups/cups-files.conf 2>/dev/null; then
    echo 'FileDevice Yes' >>/etc/cups/cups-files.conf
    # A scheduler started before (by the package's installation) has not read it.
    if pgrep -x cupsd >/dev/null; then
        pkill -x cupsd
        while pgrep -x cupsd >/dev/null; do sleep 0.1; done
    fi
fi
if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    /usr/sbin/cupsd
fi
i=0
until lpstat -r 2>/dev/null | grep -q 'is running'; do
    i=$((i + 1))
    [ $i -gt 100 ] && { echo "cupsd did not start" >&2; exit 1; }
    sleep 0.1
done
mkdir -p "$out"
chmod 777 "$out"
lpadmin -p PlaceworksPDF -E -v "file://$out/job.pdf" -P "$here/pdf-file.ppd"
lpadmin -d PlaceworksPDF
