#include "DemoCatalogue.h"

namespace catalogue {

const std::vector<MovieRecord>& demoFilms()
{
    static const std::vector<MovieRecord> films = {
        {"1", "Nosferatu", "01:34:00", "DvD-Rip", "F. W. Murnau", "1", "Divx5.02"},
        {"2", "El Maquinista de la General", "01:18:00", "DvD-Rip", "Buster Keaton", "1", "Divx5.02"},
        {"3", "Metrópolis", "02:33:00", "DvD-Rip", "Fritz Lang", "2", "XviD"},
        {"4", "La Quimera del Oro", "01:35:00", "VHS-Rip", "Charles Chaplin", "1", "Divx3.11"},
        {"5", "El Moderno Sherlock Holmes", "00:45:00", "DvD-Rip", "Buster Keaton", "1", "Divx5.02"},
        {"6", "El Gabinete del Doctor Caligari", "01:17:00", "TV-Rip", "Robert Wiene", "1", "Divx3.11"},
        {"7", "El Acorazado Potemkin", "01:15:00", "DvD-Rip", "Sergei Eisenstein", "1", "XviD"},
        {"8", "El Chico", "01:08:00", "VHS-Rip", "Charles Chaplin", "1", "Divx3.11"},
        {"9", "El Hombre Mosca", "01:10:00", "DvD-Rip", "Fred C. Newmeyer", "1", "Divx5.02"},
        {"10", "El Fantasma de la Ópera", "01:33:00", "Screener", "Rupert Julian", "1", "Divx4"},
        {"11", "Nanuk, el Esquimal", "01:19:00", "TV-Rip", "Robert J. Flaherty", "1", "Divx3.11"},
        {"12", "Viaje a la Luna", "00:14:00", "DvD-Rip", "Georges Méliès", "1", "XviD"},
        {"13", "Asalto y Robo de un Tren", "00:12:00", "VHS-Rip", "Edwin S. Porter", "1", "Divx3.11"},
        {"14", "La Noche de los Muertos Vivientes", "01:36:00", "DvD-Rip", "George A. Romero", "1", "XviD"},
        {"15", "Luna Nueva", "01:32:00", "DvD-Rip", "Howard Hawks", "1", "Divx5.02"},
        {"16", "Charada", "01:53:00", "DvD", "Stanley Donen", "2", "XviD"},
        {"17", "Carnaval de Almas", "01:18:00", "Screener", "Herk Harvey", "1", "Divx4"},
        {"18", "El Mundo Perdido", "01:46:00", "VHS-Rip", "Harry O. Hoyt", "1", "Divx3.11"},
        {"19", "El Héroe del Río", "01:10:00", "DvD-Rip", "Charles Reisner", "1", "Divx5.02"},
        {"20", "Intolerancia", "02:43:00", "DvD", "D. W. Griffith", "3", "XviD"},
        {"21", "El Jorobado de Notre Dame", "01:57:00", "TV-Rip", "Wallace Worsley", "2", "Divx4"},
        {"22", "Häxan: La Brujería a Través de los Tiempos", "01:45:00", "DvD-Rip", "Benjamin Christensen", "2",
         "XviD"},
        {"23", "Detour", "01:08:00", "VHS-Rip", "Edgar G. Ulmer", "1", "Divx3.11"},
        {"24", "La Pequeña Tienda de los Horrores", "01:12:00", "Screener", "Roger Corman", "1", "Divx5.02"},
        {"25", "El Golem", "01:31:00", "DvD-Rip", "Paul Wegener", "1", "Divx5.02"},
    };
    return films;
}

} // namespace catalogue
