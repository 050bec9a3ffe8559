// The memory game's card table without any drawing: which picture each card
// hides, which cards are still in play, the open attempt and its count, and
// what a click on a card does. The screen animates what this decides.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace bafo {

class PexesoTable {
public:
    static constexpr int kRows = 4;
    static constexpr int kMaxAttempts = 31999;  // 32000 would only show the table

    // What a click on a card asks the screen to show, in this order.
    struct Click {
        bool ignored = true;
        int back_first = 0, back_second = 0;  // a wrong pair turns back first (0: none)
        int turn_up = 0;                       // then this card turns face up
        int first = 0, second = 0;             // it was the attempt's second: the two cards
        bool match = false;                    // the two are a pair: they leave the table
        bool won = false;                      // and no card is left
    };

    static int columns_of(int level) { return 3 + level; }
    // Starts a layout of 4 rows of `columns`, every card empty and out of play.
    void lay_out(int columns);
    int columns() const { return m_columns; }
    int count() const { return int(m_tags.size()) - 1; }

    // A new game: state cleared, then `pairs_available` pictures named by `picture`
    // dealt in pairs (card i with card i + N/2), each picture once; `draw(n)` gives
    // a whole number 1..n. A set with fewer pictures than the layout has pairs
    // gets as many pairs as it has pictures; the other places stay empty.
    void deal(int pairs_available, const std::function<std::string(int)>& picture, const std::function<int(int)>& draw);
    // 100 exchanges of the tags of two random cards (which may be the same card).
    void shuffle(const std::function<int(int)>& draw);

    const std::string& tag(int card) const { return m_tags[size_t(card)]; }
    bool in_play(int card) const { return card >= 1 && card <= count() && m_in_play[size_t(card)]; }
    bool any_in_play() const;
    int first() const { return m_first; }
    int second() const { return m_second; }
    int turned() const { return m_turned; }
    int attempts() const { return m_attempts; }
    bool busy() const { return m_busy; }
    void set_busy(bool b) { m_busy = b; }
    // All faces shown: no card takes a click until the next deal.
    void give_up() { m_given_up = true; }
    bool given_up() const { return m_given_up; }

    // A click on card `card`: decides, and updates the table to what the screen will show.
    Click click(int card);

private:
    int m_columns = 4;
    std::vector<std::string> m_tags{""};  // index 0 is the template, never a card
    std::vector<bool> m_in_play{false};
    int m_turned = 0, m_first = 0, m_second = 0;
    int m_attempts = 0;
    bool m_busy = false;
    bool m_given_up = false;
};

}  // namespace bafo
