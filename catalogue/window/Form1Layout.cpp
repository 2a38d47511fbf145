#include "Form1Layout.h"
#include "Dialogs.h"

namespace catalogue {

namespace {

const LabelSpec labels[] = {
    {"Label1", u"Número Película", {120, 120, 1335, 255}},
    {"Label2", u"Título Película", {120, 480, 1335, 255}},
    {"Label3", u"Duración Película", {120, 840, 1335, 255}},
    {"Label18", u"Número De Cd's", {3000, 880, 1215, 255}},
    {"Label5", u"Screener DvD-Rip", {120, 1200, 1695, 255}},
    {"Label4", u"Director", {120, 1560, 1335, 255}},
    {"Label14", u"Codec", {4320, 1560, 615, 255}},
    {"Label10", u"Menu Grabación", {6120, 120, 1575, 255}, kWhite, 0, false, true},
    {"Label6", u"Duración Media Por Película", {120, 2160, 3615, 375}, kWhite, 12, true, true},
    {"Label7", u"", {120, 2760, 3615, 495}, kGreen, 24, true, true, u"Duración Media De Películas O Series"},
    {"Label9", u"Duración Total De Películas", {3960, 2160, 3735, 375}, kWhite, 12, true, true},
    {"Label8", u"", {3960, 2760, 3015, 495}, kGreen, 24, true, true, u"Duración Total De Películas O Series"},
    {"Label12", u"D.Visio.", {7155, 2760, 615, 255}, kWhite, 0, false, true},
    {"Label13",
     u"",
     {7150, 3000, 615, 255},
     kWhite,
     0,
     false,
     true,
     u"Días De Visionado Seguidos Para Ver Todas Tus Películas"},
    {"Label11", u"", {7200, 3435, 495, 255}, kWhite, 0, false, true, u"Número De Películas Totales"},
    {"Label15", u"Último Número De Película Añadida", {3900, 3360, 2655, 255}, kWhite, 0, false, true},
    {"Label16", u"", {6600, 3360, 375, 255}, kGreen, 0, false, true, u"Último Número De Película Añadida"},
    {"quebus", u"", {4680, 4200, 375, 255}, kYellow},
    {"Label17", kProgramTitle, {120, 3880, 3615, 495}, kOlive, 13.5, false, true},
};

const BoxSpec boxes[] = {
    {Field::Idzefo, "Label1", {1800, 120, 975, 285}, u"Número De Película (1, 2, 3, 4, 5, Etc...)"},
    {Field::Titulo,
     "Label2",
     {1800, 480, 4095, 285},
     u"Doble Click Y Buscaremos En Google El Título De La Peli Para Buscar Información",
     kYellow},
    {Field::Duracion,
     "Label3",
     {1800, 840, 975, 285},
     u"Duración De Peli O Serie En Formato : hh:mm:ss De Lo Contrario Se Añadirá 01:30:00 Por Defecto"},
    // Its caption gives two examples of a kind of copy rather than a name.
    {Field::Tipopeli,
     "Label5",
     {1800, 1200, 2295, 285},
     u"Tipo De Película - Screener, DvD-Rip, Etc...",
     kWhite,
     u"Tipo De Película"},
    {Field::Director,
     "Label4",
     {1800, 1560, 2295, 285},
     u"Doble Click Y Buscaremos En Google El Director Para Buscar Información Sobre El",
     kYellow},
    {Field::Totalcds, "Label18", {4320, 840, 375, 285}, u"Número De Cd's De La Película O La Serie"},
    {Field::Codec, "Label14", {4920, 1560, 975, 285}, u"Codec Utilizado (Divx3.11 - Divx5.02, Etc...)"},
};

const ButtonSpec buttons[] = {
    {1, u"&Añadir Película", {6120, 600, 1575, 255}, u"Añadir Película A La Base De Datos..."},
    {3, u"&Grabar Película", {6120, 960, 1575, 255}, u"Grabar Película A La Base De Datos"},
    {4, u"&Borrar Película", {6120, 1320, 1575, 255}, u"Borrar Película Mostrada En Pantalla"},
    {2, u"Borrar &Todo", {6120, 1680, 1575, 255}, u"Borrar Toda La Base De Datos De Tus Películas"},
    {5, u"< Direct.", {120, 3360, 735, 255}, nullptr, u"Película anterior del director"},
    {6, u"> Direct.", {3000, 3360, 735, 255}, nullptr, u"Película siguiente del director"},
};

// "D.Visio." is an abbreviation, and the number of films has no caption.
const FigureCaption figureCaptions[] = {
    {"Label7", "Label6"}, {"Label8", "Label9"}, {"Label13", nullptr}, {"Label11", nullptr}, {"Label16", "Label15"},
};

} // namespace

const std::span<const LabelSpec> kLabelSpecs(labels);
const std::span<const BoxSpec> kBoxSpecs(boxes);
const std::span<const ButtonSpec> kButtonSpecs(buttons);
const std::span<const FigureCaption> kFigureCaptions(figureCaptions);

} // namespace catalogue
