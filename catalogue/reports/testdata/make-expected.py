#!/usr/bin/env python3
"""Writes the report files the tests expect for the sample catalogue.

The orders are spelled out by hand here rather than sorted, so that these
files check the report code and the test catalogue's ordering alike. Run it
from anywhere; it writes next to itself. Windows-1252, CR LF after every line.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))

# Boxes a to g: number, title, running time, kind, director, CDs, codec.
FILMS = {
    "A": ["12", "Alien", "01:57:00", "DVD-Rip", "Ridley Scott", "1", "DivX 5.1"],
    "B": ["3", "El Espíritu De La Colmena", "01:37:00", "Screener – Pequeño", "Víctor Erice", "0", "XviD"],
    "C": ["7", "Mar Adentro", "02:05:00", "DVD-Rip", "Alejandro Amenábar", "2", "DivX 6"],
    "D": ["25", "Abre Los Ojos", "", "DVD", "Alejandro Amenábar", "3", "XviD"],
    "E": ["9", "Hero 英雄 🎬", "01:39:00", "DVD-Rip", "Zhang Yimou", "", "H.264"],
}

LABELS = [
    "Número Película    ---> ",
    "Título De Película ---> ",
    "Duracion Película  ---> ",
    "Tipo De Película   ---> ",
    "Director Película  ---> ",
    "Número De Cd's     ---> ",
    "Codec Utilizado    ---> ",
]
SEPARATOR = "-" * 80
FOOTER = "^Brisvel^ Corp."


def write(name, lines):
    data = "".join(line + "\r\n" for line in lines).encode("cp1252", errors="replace")
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def blocks(order, total_label="Total Películas "):
    lines = []
    for key in order:
        lines += [label + text for label, text in zip(LABELS, FILMS[key])]
        lines.append(SEPARATOR)
    return lines + [total_label + str(len(order)), FOOTER]


write("Peliculas_Ordenadas_Por_Titulo.TxT", blocks("DABEC"))
write("Peliculas_Ordenadas_Por_Numero.TxT", blocks("BCEAD"))
write("Peliculas_Ordenadas_Por_Director.TxT", blocks("CDABE"))
write("Peliculas_Ordenadas_Por_Duracion.TxT", blocks("DBEAC"))
write("Peliculas_Ordenadas_Por_Tipo.TxT", blocks("DACEB"))
write("Peliculas_Ordenadas_Por_Codec.TxT", blocks("ACEBD"))
write("Peliculas_Ordenadas_Por_Fecha_Y_Titulo.TxT", blocks("DCABE"))
write("Peliculas_O_Series_De_Mas_De_1CD.TxT", blocks("CD", "Total Películas De Más De 1CD "))
write("Peliculas_Ordenadas_Solo_Titulo_Y_Numero.TxT",
      ["P" + FILMS[k][0] + " -> " + FILMS[k][1] for k in "DABEC"]
      + [SEPARATOR, "Total Películas 5", FOOTER])

# Summary captions given by the test: "5P.", "01:23:36", "06:58:00", "0,29".
write("Estadisticas_Pelis.TxT", [
    SEPARATOR,
    "Total Películas 5P.",
    "Total Películas De Más De 1CD 2 Películas",
    "Duración Media Por Peli O Serie 01:23:36",
    "Duración Total De Pelis Y Series 06:58:00",
    "Días De Visionado Para Ver Todas Las Pelis Seguidas 0,29 Días",
    "Número Total De Cd's Grabados 6 Cd's",
    "Media De Cd's Por Peli O Serie 1,2 Cd's",
    "Película O Serie Que Menos Dura Abre Los Ojos Con ",
    "Película O Serie Que Más Dura Mar Adentro Con 02:05:00",
    "Película O Serie Con Más Número De Cd's Abre Los Ojos",
    SEPARATOR,
    FOOTER,
])
