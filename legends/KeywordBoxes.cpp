#include "KeywordBoxes.h"

#include "RiddleWords.h"

TKeywordBoxes::TKeywordBoxes(TKeywordData& Keyword, int Current) : keyword_(Keyword) {
    current_ = qBound(0, Current, qMax(0, Count() - 1));
}

int TKeywordBoxes::Count() const {
    return int(keyword_.Word().size());
}

QChar KeywordLetter(const TKeywordData& Keyword, int Index) {
    const QString& guess = Keyword.Guess();
    return Index >= 0 && Index < guess.size() ? guess[Index] : QLatin1Char(' ');
}

void TKeywordBoxes::Write(int Index, QChar Letter) {
    // A damaged riddle may bring a shorter text than its word; the boxes beyond it count as empty.
    QString guess = keyword_.Guess();
    if (guess.size() < Count())
        guess = guess.leftJustified(Count(), QLatin1Char(' '));
    guess[Index] = Letter;
    keyword_.SetGuess(guess);
}

bool TKeywordBoxes::Type(QChar Key) {
    char16_t c = Key.unicode();
    if (c >= u'a' && c <= u'z')
        c = char16_t(c - u'a' + u'A');
    if (c != u' ' && (c < u'A' || c > u'Z'))
        return false;
    if (Count() == 0)
        return true;
    Write(current_, QChar(c));
    if (current_ < Count() - 1)
        ++current_;
    return true;
}

void TKeywordBoxes::Delete() {
    if (Count() > 0)
        Write(current_, QLatin1Char(' '));
}

void TKeywordBoxes::Backspace() {
    if (current_ <= 0)
        return;
    --current_;
    Write(current_, QLatin1Char(' '));
}
