# Small .BMP seeds for the bitmap fuzzer: each depth, a short palette, RLE.
import struct, sys, os

def bmp(name, w, h, bpp, pixels, palette=b"", compression=0, colours=0):
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, compression, len(pixels), 2835, 2835, colours, 0)
    off = 14 + len(info) + len(palette)
    head = b"BM" + struct.pack("<IHHI", off + len(pixels), 0, 0, off)
    with open(os.path.join(sys.argv[1], name), "wb") as f:
        f.write(head + info + palette + pixels)

bmp("24", 3, 2, 24, b"\x00\x00\xff\x00\xff\x00\xff\x00\x00\x00\x00\x00" * 2)
bmp("32", 2, 2, 32, b"\x10\x20\x30\x00" * 4)
bmp("8", 4, 2, 8, b"\x00\x01\x02\x03" * 2, b"\x00\x00\x00\x00\xff\xff\xff\x00\x00\x00\xff\x00\xff\x00\x00\x00", colours=4)
bmp("4", 8, 2, 4, b"\x01\x23\x01\x23" * 2, b"\x00\x00\x00\x00\xff\xff\xff\x00" * 8, colours=16)
bmp("1", 8, 2, 1, b"\xaa\x00\x00\x00\x55\x00\x00\x00", b"\x00\x00\x00\x00\xff\xff\xff\x00", colours=2)
bmp("rle8", 4, 2, 8, b"\x04\x01\x00\x00\x02\x02\x02\x03\x00\x01", b"\x00\x00\x00\x00\xff\xff\xff\x00" * 4, 1, 4)
bmp("rle4", 8, 2, 4, b"\x08\x12\x00\x00\x08\x21\x00\x01", b"\x00\x00\x00\x00\xff\xff\xff\x00" * 16, 2, 16)
bmp("16", 2, 2, 16, b"\x1f\x00\xe0\x03" * 2)
