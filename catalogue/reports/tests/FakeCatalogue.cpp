#include "FakeCatalogue.h"

#include "CatalogueError.h"
#include "JoinedText.h"
#include "NumericValue.h"

#include <QRegularExpression>

#include <algorithm>

namespace catalogue::testing {
using namespace Qt::Literals::StringLiterals;
namespace {

struct SortKey {
    Field field;
    bool numeric;
};

SortKey sortKeyFor(const QString& column)
{
    static const std::pair<QString, SortKey> kColumns[] = {
        {QStringLiteral("idzefo"), {Field::Idzefo, true}},      {QStringLiteral("titulo"), {Field::Titulo, false}},
        {QStringLiteral("duración"), {Field::Duracion, false}}, {QStringLiteral("tipopeli"), {Field::Tipopeli, false}},
        {QStringLiteral("director"), {Field::Director, false}}, {QStringLiteral("totalcds"), {Field::Totalcds, true}},
        {QStringLiteral("codec"), {Field::Codec, false}},
    };
    for (const auto& [name, key] : kColumns) {
        if (name == column)
            return key;
    }
    qFatal("the fake catalogue has no column %s", qPrintable(column));
}

int compareBy(const SortKey& key, const MovieRecord& left, const MovieRecord& right)
{
    const std::size_t i = indexOf(key.field);
    if (key.numeric) {
        const double l = numericValue(left[i]);
        const double r = numericValue(right[i]);
        return l < r ? -1 : (l > r ? 1 : 0);
    }
    return left[i].compare(right[i], Qt::CaseInsensitive);
}

} // namespace

FakeCatalogue::FakeCatalogue(std::vector<MovieRecord> films, QStringList& events)
    : films_(std::move(films)), events_(events)
{
    for (std::size_t i = 0; i < films_.size(); ++i)
        order_.push_back(i);
}

qint64 FakeCatalogue::RecordCount()
{
    return qint64(order_.size());
}

void FakeCatalogue::requery(QStringView recordSource)
{
    events_ << joinedText(u"requery ", recordSource);
    if (requeryFailure)
        throw CatalogueError(*requeryFailure);

    recordSource_ = recordSource.toString();
    static const QRegularExpression kOrderBy(QStringLiteral("ORDER BY (.*) (ASC|DESC)$"));
    const auto match = kOrderBy.match(recordSource_);
    std::vector<SortKey> keys;
    bool descending = false;
    if (match.hasMatch()) {
        for (QString column : match.captured(1).split(u','))
            keys.push_back(sortKeyFor(column.remove(u'[').remove(u']')));
        descending = match.captured(2) == u"DESC";
    }
    std::stable_sort(order_.begin(), order_.end(), [&](std::size_t l, std::size_t r) {
        for (const SortKey& key : keys) {
            if (const int c = compareBy(key, films_[l], films_[r]))
                return descending ? c > 0 : c < 0;
        }
        return false;
    });
    position_ = 0;
}

void FakeCatalogue::MoveFirst()
{
    position_ = 0;
}

void FakeCatalogue::MoveNext()
{
    if (Eof())
        throw CatalogueError(QStringLiteral("No Hay Registro Actual"));
    ++position_;
}

void FakeCatalogue::MoveLast()
{
    position_ = order_.empty() ? 0 : order_.size() - 1;
}

bool FakeCatalogue::Eof()
{
    return position_ >= order_.size();
}

QString FakeCatalogue::text(Field field)
{
    return Eof() ? QString() : films_[order_[position_]][indexOf(field)];
}

QString FakeCatalogue::shownTitle() const
{
    return position_ < order_.size() ? films_[order_[position_]][1] : QString();
}

QString GeneratedCatalogue::text(Field field)
{
    const qint64 film = position_ + 1;
    switch (field) {
    case Field::Idzefo: return QString::number(film);
    case Field::Titulo: return QStringLiteral("Película ") + QString::number(film);
    case Field::Duracion: return QStringLiteral("01:30:00");
    case Field::Tipopeli: return QStringLiteral("DVD-Rip");
    case Field::Director: return QStringLiteral("Director ") + QString::number(film % 97);
    case Field::Totalcds: return QString::number(film % 4);
    case Field::Codec: return QStringLiteral("XviD");
    }
    return {};
}

std::vector<MovieRecord> sampleFilms()
{
    return {
        {u"12"_s, u"Alien"_s, u"01:57:00"_s, u"DVD-Rip"_s, u"Ridley Scott"_s, u"1"_s, u"DivX 5.1"_s},
        {u"3"_s, u"El Espíritu De La Colmena"_s, u"01:37:00"_s, u"Screener – Pequeño"_s, u"Víctor Erice"_s, u"0"_s,
         u"XviD"_s},
        {u"7"_s, u"Mar Adentro"_s, u"02:05:00"_s, u"DVD-Rip"_s, u"Alejandro Amenábar"_s, u"2"_s, u"DivX 6"_s},
        {u"25"_s, u"Abre Los Ojos"_s, QString(), u"DVD"_s, u"Alejandro Amenábar"_s, u"3"_s, u"XviD"_s},
        {u"9"_s, u"Hero 英雄 🎬"_s, u"01:39:00"_s, u"DVD-Rip"_s, u"Zhang Yimou"_s, QString(), u"H.264"_s},
    };
}

} // namespace catalogue::testing
