"""Binary 8-bit PPM pictures (P6), as ImageMagick's `import`, promptdraw and
the GDI reference renderer write them."""


def parse_ppm(data, name="picture"):
    """(width, height, pixels) of PPM bytes; pixels are R, G, B bytes."""
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while end < len(data) and not data[end:end + 1].isspace():
            end += 1
        if end == pos:
            raise SystemExit(f"{name}: not a PPM picture")
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise SystemExit(f"{name}: not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:pos + 1 + width * height * 3]
    if len(pixels) != width * height * 3:
        raise SystemExit(f"{name}: truncated")
    return width, height, pixels


def read_ppm(path):
    with open(path, "rb") as f:
        return parse_ppm(f.read(), path)
