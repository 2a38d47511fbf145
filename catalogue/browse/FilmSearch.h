#pragma once
// "Buscar Película" and "Buscar Director": find, in the order of the record
// source they are given (the menu gives film-number order), the last film
// whose title (or director) holds a piece of text the user types.
#include <QString>
#include <QStringView>

namespace catalogue {

class Form1;

// "Buscar Película" (Ctrl+A)
void buscapelijeje_Click(Form1& form1, QStringView recordSource);
// "Buscar Director" (Ctrl+B): also arms "< Direct." / "> Direct." and, when it
// finds a film, remembers that film's director in quebus for them.
void buscadirector_Click(Form1& form1, QStringView recordSource);

// The text test of both searches: the answer occurs anywhere in the text,
// letter case ignored on both sides (accented letters too). An empty answer
// occurs in every text that is not empty.
bool occursIn(const QString& answer, const QString& text);

} // namespace catalogue
