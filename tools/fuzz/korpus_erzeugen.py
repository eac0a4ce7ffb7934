#!/usr/bin/env python3
"""Writes the seed corpus: one plausible project record per layout."""
import os

# Capacities of fields 1..30 per layout (1160, 1130, 1109); None: field absent.
KAP_1160 = [40] * 7 + [50, 40] + [20] * 11 + [60] + [20] * 6 + [120] * 3
KAP_1130 = [40] * 7 + [40, 40] + [20] * 11 + [40] + [20] * 6 + [120] * 3
KAP_1109 = KAP_1130[:25] + [None] + KAP_1130[26:]

TEXTE = [
    "Wohnung 3. OG links", "Hauptstraße 12", "12345 Musterstadt", "01.02.2024",
    "M. Müller", "Lüftung & Co. KG", "Am Markt 1", "MFH als mehrgeschossige Nutzungseinheit (Maisonette)",
    "windstark", "85,5", "", "nein", "1978", "nein", "0", "0", "5", "nein",
    "4,5", "0,667", "freie Lüftung bei Modernisierung als mehrgeschossige NE",
    "gering", "30,5", "42,1", "60,2", "78,3", "22,4",
    "Lüftungstechnische Maßnahmen sind erforderlich !", "Nachweis der Lüftung zum Feuchteschutz",
    "Kosten ca. 1.200 €",
]


def satz(kapazitaeten):
    out = bytearray()
    for kap, text in zip(kapazitaeten, TEXTE):
        if kap is None:
            continue
        b = text.encode("cp1252")[:kap]
        out += bytes([len(b)]) + b + bytes(kap - len(b))
    return bytes(out)


ziel = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
os.makedirs(ziel, exist_ok=True)
for name, kap in (("satz1160.lkz", KAP_1160), ("satz1130.lkz", KAP_1130), ("satz1109.lkz", KAP_1109)):
    daten = satz(kap)
    with open(os.path.join(ziel, name), "wb") as f:
        f.write(daten)
    print(name, len(daten))
