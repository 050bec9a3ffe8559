#include "games/pexeso_table.h"

#include <algorithm>

namespace bafo {

void PexesoTable::lay_out(int columns)
{
    m_columns = columns;
    const size_t n = size_t(kRows * columns) + 1;
    m_tags.assign(n, "");
    m_in_play.assign(n, false);
    m_turned = m_first = m_second = 0;
    m_attempts = 0;
    m_busy = false;
    m_given_up = false;
}

void PexesoTable::deal(int pairs_available, const std::function<std::string(int)>& picture,
                       const std::function<int(int)>& draw)
{
    lay_out(m_columns);
    const int half = count() / 2;
    // Each pair its own picture: a set short of pictures deals fewer pairs
    // rather than drawing for ever.
    const int pairs = std::min(half, std::max(0, pairs_available));
    for (int i = 1; i <= pairs; ++i) {
        std::string path;
        do
            path = picture(draw(pairs_available));
        while (std::find(m_tags.begin() + 1, m_tags.begin() + i, path) != m_tags.begin() + i);
        m_tags[size_t(i)] = m_tags[size_t(i + half)] = path;
    }
    for (int i = 1; i <= count(); ++i)
        m_in_play[size_t(i)] = !m_tags[size_t(i)].empty();
}

void PexesoTable::shuffle(const std::function<int(int)>& draw)
{
    for (int k = 0; k < 100; ++k) {
        const int a = draw(count()), b = draw(count());
        std::swap(m_tags[size_t(a)], m_tags[size_t(b)]);
    }
    for (int i = 1; i <= count(); ++i)
        m_in_play[size_t(i)] = !m_tags[size_t(i)].empty();
}

bool PexesoTable::any_in_play() const
{
    return std::find(m_in_play.begin() + 1, m_in_play.end(), true) != m_in_play.end();
}

PexesoTable::Click PexesoTable::click(int card)
{
    Click c;
    if (!in_play(card) || m_given_up || m_busy || card == m_first || card == m_second)
        return c;
    c.ignored = false;
    if (m_turned == 2) {
        // The wrong pair left face up turns back before the new card turns.
        c.back_first = m_first;
        c.back_second = m_second;
        m_turned = m_first = m_second = 0;
    }
    ++m_turned;
    (m_turned == 1 ? m_first : m_second) = card;
    c.turn_up = card;
    if (m_turned < 2)
        return c;
    c.first = m_first;
    c.second = m_second;
    if (m_attempts < kMaxAttempts)
        ++m_attempts;
    c.match = m_tags[size_t(m_first)] == m_tags[size_t(m_second)];
    if (c.match) {
        // A wrong pair stays face up until the next card; a found one leaves at once.
        m_in_play[size_t(m_first)] = m_in_play[size_t(m_second)] = false;
        m_turned = m_first = m_second = 0;
        c.won = !any_in_play();
    }
    return c;
}

}  // namespace bafo
