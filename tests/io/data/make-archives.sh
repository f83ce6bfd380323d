#!/bin/sh
# Regenerates the archive fixtures of the zip and 7z tests with the `zip` and `7zz` commands
# (Debian packages zip and 7zip). Contents and timestamps are fixed; only the tools' own
# choices may change the bytes.
set -eu
out=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

mkdir -p tree/levels/world1 tree/dir
for i in $(seq 1 40); do printf 'Hello, archive!\n'; done > tree/hello.txt
: > tree/empty.txt
printf 'return { filename = "level01.lua" }\n' > tree/levels/world1/level01.lua
seq -f 'line %05g of a text larger than one read buffer' 1 1500 > tree/big.txt
head -c 300 /dev/zero | tr '\0' '\252' > tree/stored.bin
printf 'first file\n' > tree/dir/first.txt
printf 'second file\n' > tree/dir/second.txt
printf 'Gr\303\266\303\237e\n' > "tree/gr$(printf '\303\266\303\237')e.txt"
long=tree/$(printf 'a%.0s' $(seq 100))/$(printf 'b%.0s' $(seq 100))
mkdir -p "$long"
printf 'deep\n' > "$long/$(printf 'c%.0s' $(seq 100)).txt"
mkdir -p tree/many
for i in $(seq -w 0 299); do printf 'entry %s\n' "$i" > "tree/many/f$i.txt"; done
find tree -exec touch -h -d '2020-01-02 03:04:05' {} +

cd tree
rm -f "$out"/*.zip "$out"/*.7z
# Zip: deflated, empty and stored entries, a folder entry and a nested file.
zip -X -q "$out/basic.zip" hello.txt empty.txt levels/ levels/world1/level01.lua
zip -X -q -0 "$out/basic.zip" stored.bin
zip -X -q -r "$out/long-name.zip" aaaa*
# Many entries, and one larger than the read buffers.
zip -X -q "$out/many.zip" many/ many/f*.txt big.txt
zip -X -q -P secret "$out/encrypted.zip" hello.txt
# 7z: a folder with two files, as the format's listing rule needs.
7zz a -bd -bso0 "$out/folder.7z" dir/first.txt dir/second.txt dir
# 7z, one solid LZMA2 block: empty, nested and non-ASCII names.
7zz a -bd -bso0 -mx=9 "$out/basic.7z" hello.txt empty.txt levels "gr$(printf '\303\266\303\237')e.txt"
# 7z, stored without compression: only the CRC can tell damaged data.
7zz a -bd -bso0 -m0=Copy "$out/stored.7z" hello.txt stored.bin
7zz a -bd -bso0 "$out/many.7z" many big.txt
7zz a -bd -bso0 -psecret "$out/encrypted.7z" hello.txt
