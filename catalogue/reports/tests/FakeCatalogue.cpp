#include "FakeCatalogue.h"

#include "JoinedText.h"
#include "NumericValue.h"

#include <QRegularExpression>

#include <algorithm>

namespace catalogue::testing {
using namespace Qt::Literals::StringLiterals;
namespace {

struct SortKey {
    Box box;
    bool numeric;
};

SortKey sortKeyFor(const QString& column)
{
    static const std::pair<QString, SortKey> columns[] = {
        {QStringLiteral("idzefo"), {Box::a, true}},   {QStringLiteral("titulo"), {Box::b, false}},
        {QStringLiteral("duración"), {Box::c, false}}, {QStringLiteral("tipopeli"), {Box::d, false}},
        {QStringLiteral("director"), {Box::e, false}}, {QStringLiteral("totalcds"), {Box::f, true}},
        {QStringLiteral("codec"), {Box::g, false}},
    };
    for (const auto& [name, key] : columns) {
        if (name == column)
            return key;
    }
    qFatal("the fake catalogue has no column %s", qPrintable(column));
}

int compareBy(const SortKey& key, const FilmTexts& left, const FilmTexts& right)
{
    const auto i = std::size_t(key.box);
    if (key.numeric) {
        const double l = numericValue(left[i]);
        const double r = numericValue(right[i]);
        return l < r ? -1 : (l > r ? 1 : 0);
    }
    return left[i].compare(right[i], Qt::CaseInsensitive);
}

} // namespace

FakeCatalogue::FakeCatalogue(std::vector<FilmTexts> films, QStringList& events)
    : m_films(std::move(films)), m_events(events)
{
    for (std::size_t i = 0; i < m_films.size(); ++i)
        m_order.push_back(i);
}

qint64 FakeCatalogue::recordCount()
{
    return qint64(m_order.size());
}

StepFailure FakeCatalogue::requery(QStringView recordSource)
{
    m_events << joinedText(u"requery ", recordSource);
    if (requeryFailure)
        return requeryFailure;

    m_recordSource = recordSource.toString();
    static const QRegularExpression orderBy(QStringLiteral("ORDER BY (.*) (ASC|DESC)$"));
    const auto match = orderBy.match(m_recordSource);
    std::vector<SortKey> keys;
    bool descending = false;
    if (match.hasMatch()) {
        for (QString column : match.captured(1).split(u','))
            keys.push_back(sortKeyFor(column.remove(u'[').remove(u']')));
        descending = match.captured(2) == u"DESC";
    }
    std::stable_sort(m_order.begin(), m_order.end(), [&](std::size_t l, std::size_t r) {
        for (const SortKey& key : keys) {
            if (const int c = compareBy(key, m_films[l], m_films[r]))
                return descending ? c > 0 : c < 0;
        }
        return false;
    });
    m_position = 0;
    return std::nullopt;
}

StepFailure FakeCatalogue::moveFirst()
{
    m_position = 0;
    return std::nullopt;
}

StepFailure FakeCatalogue::moveNext()
{
    if (eof())
        return QStringLiteral("No Hay Registro Actual");
    ++m_position;
    return std::nullopt;
}

StepFailure FakeCatalogue::moveLast()
{
    m_position = m_order.empty() ? 0 : m_order.size() - 1;
    return std::nullopt;
}

bool FakeCatalogue::eof()
{
    return m_position >= m_order.size();
}

QString FakeCatalogue::boxText(Box box)
{
    return eof() ? QString() : m_films[m_order[m_position]][std::size_t(box)];
}

QString FakeCatalogue::shownTitle() const
{
    return m_position < m_order.size() ? m_films[m_order[m_position]][1] : QString();
}

QString GeneratedCatalogue::boxText(Box box)
{
    const qint64 film = m_position + 1;
    switch (box) {
    case Box::a: return QString::number(film);
    case Box::b: return QStringLiteral("Película ") + QString::number(film);
    case Box::c: return QStringLiteral("01:30:00");
    case Box::d: return QStringLiteral("DVD-Rip");
    case Box::e: return QStringLiteral("Director ") + QString::number(film % 97);
    case Box::f: return QString::number(film % 4);
    case Box::g: return QStringLiteral("XviD");
    }
    return {};
}

std::vector<FilmTexts> sampleFilms()
{
    return {
        {u"12"_s, u"Alien"_s, u"01:57:00"_s, u"DVD-Rip"_s, u"Ridley Scott"_s, u"1"_s,
         u"DivX 5.1"_s},
        {u"3"_s, u"El Espíritu De La Colmena"_s, u"01:37:00"_s, u"Screener – Pequeño"_s,
         u"Víctor Erice"_s, u"0"_s, u"XviD"_s},
        {u"7"_s, u"Mar Adentro"_s, u"02:05:00"_s, u"DVD-Rip"_s, u"Alejandro Amenábar"_s,
         u"2"_s, u"DivX 6"_s},
        {u"25"_s, u"Abre Los Ojos"_s, QString(), u"DVD"_s, u"Alejandro Amenábar"_s, u"3"_s,
         u"XviD"_s},
        {u"9"_s, u"Hero 英雄 🎬"_s, u"01:39:00"_s, u"DVD-Rip"_s, u"Zhang Yimou"_s, QString(),
         u"H.264"_s},
    };
}

} // namespace catalogue::testing
