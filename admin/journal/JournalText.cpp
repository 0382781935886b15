#include "journal/JournalText.h"

#include <QList>

#include <algorithm>

namespace journal {

namespace {

// The pieces of a statement as the server reads them.
struct Token {
    enum class Kind { Blank, Word, Name, Text, Number, Symbol, OpenText };
    Kind kind;
    qsizetype start;
    qsizetype end; // one past the last character
};

bool isWordCharacter(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'$' || c.unicode() >= 0x80;
}

QList<Token> tokenize(const QString& text, bool backslashEscapes) {
    QList<Token> tokens;
    const qsizetype size = text.size();
    qsizetype i = 0;
    const auto at = [&](qsizetype index) {
        return index < size ? text[index] : QChar();
    };
    while (i < size) {
        const qsizetype start = i;
        const QChar c = text[i];
        if (c.isSpace()) {
            while (i < size && text[i].isSpace())
                ++i;
            tokens.append({Token::Kind::Blank, start, i});
        } else if (c == u'#' ||
                   (c == u'-' && at(i + 1) == u'-' && (i + 2 >= size || at(i + 2).isSpace()))) {
            while (i < size && text[i] != u'\n')
                ++i;
            tokens.append({Token::Kind::Blank, start, i});
        } else if (c == u'/' && at(i + 1) == u'*' && at(i + 2) != u'!' &&
                   !(at(i + 2) == u'M' && at(i + 3) == u'!')) {
            const qsizetype close = text.indexOf(QStringLiteral("*/"), i + 2);
            i = close < 0 ? size : close + 2;
            tokens.append({Token::Kind::Blank, start, i});
        } else if (c == u'\'' || c == u'"' || c == u'`') {
            ++i;
            bool closed = false;
            while (i < size) {
                const QChar d = text[i];
                if (d == u'\\' && backslashEscapes && c != u'`') {
                    i += 2;
                } else if (d == c) {
                    // A doubled quote stands for one quote inside.
                    if (at(i + 1) == c) {
                        i += 2;
                    } else {
                        ++i;
                        closed = true;
                        break;
                    }
                } else {
                    ++i;
                }
            }
            i = std::min(i, size);
            Token::Kind kind = c == u'`' ? Token::Kind::Name : Token::Kind::Text;
            if (!closed)
                kind = Token::Kind::OpenText;
            tokens.append({kind, start, i});
        } else if (c.isDigit()) {
            while (i < size && (isWordCharacter(text[i]) || text[i] == u'.'))
                ++i;
            tokens.append({Token::Kind::Number, start, i});
        } else if (isWordCharacter(c)) {
            while (i < size && isWordCharacter(text[i]))
                ++i;
            tokens.append({Token::Kind::Word, start, i});
        } else {
            ++i;
            tokens.append({Token::Kind::Symbol, start, i});
        }
    }
    return tokens;
}

// A statement's tokens without blanks and comments.
class Tokens {
public:
    Tokens(const QString& text, bool backslashEscapes)
        : m_text(text) {
        for (const Token& token : tokenize(text, backslashEscapes)) {
            if (token.kind != Token::Kind::Blank)
                m_tokens.append(token);
        }
    }

    qsizetype size() const { return m_tokens.size(); }
    const Token& operator[](qsizetype i) const { return m_tokens[i]; }
    QStringView text(qsizetype i) const {
        return QStringView(m_text).mid(m_tokens[i].start, m_tokens[i].end - m_tokens[i].start);
    }
    // The upper-case word at i, or empty text.
    QString word(qsizetype i) const {
        if (i < 0 || i >= size() || m_tokens[i].kind != Token::Kind::Word)
            return {};
        return text(i).toString().toUpper();
    }
    bool isSymbol(qsizetype i, char16_t symbol) const {
        return i >= 0 && i < size() && m_tokens[i].kind == Token::Kind::Symbol &&
               m_text[m_tokens[i].start] == symbol;
    }
    // A column name, bare or between backquotes, in lower case.
    QString name(qsizetype i) const {
        if (i < 0 || i >= size())
            return {};
        if (m_tokens[i].kind == Token::Kind::Word)
            return text(i).toString().toLower();
        if (m_tokens[i].kind == Token::Kind::Name)
            return text(i)
                    .mid(1, text(i).size() - 2)
                    .toString()
                    .replace(QStringLiteral("``"), QStringLiteral("`"))
                    .toLower();
        return {};
    }

private:
    const QString& m_text;
    QList<Token> m_tokens;
};

bool classify(const QString& statement);

// The statement from the first token on, as text.
QString rest(const QString& statement, const Tokens& tokens, qsizetype first) {
    return first < tokens.size() ? statement.mid(tokens[first].start) : QString();
}

bool classify(const QString& statement) {
    const Tokens tokens(statement, true);
    qsizetype first = 0;
    while (tokens.isSymbol(first, u'('))
        ++first;
    if (first >= tokens.size())
        return false;
    if (tokens[first].kind == Token::Kind::Symbol &&
        tokens.text(first).startsWith(QLatin1Char('/')))
        return true; // an executable comment: whatever it holds
    const QString word = tokens.word(first);
    static const QStringList kReads = {
            QStringLiteral("SELECT"),   QStringLiteral("SHOW"),   QStringLiteral("USE"),
            QStringLiteral("DESCRIBE"), QStringLiteral("DESC"),   QStringLiteral("EXPLAIN"),
            QStringLiteral("HELP"),     QStringLiteral("VALUES"), QStringLiteral("TABLE"),
            QStringLiteral("CHECKSUM"), QStringLiteral("CHECK")};
    if (kReads.contains(word))
        return false;
    if (word == u"WITH") {
        // A common table expression in front of a select, or of a change.
        static const QStringList kChanges = {QStringLiteral("INSERT"), QStringLiteral("UPDATE"),
                                             QStringLiteral("DELETE"), QStringLiteral("REPLACE")};
        for (qsizetype i = first + 1; i < tokens.size(); ++i) {
            if (kChanges.contains(tokens.word(i)))
                return true;
        }
        return false;
    }
    if (word == u"ANALYZE") {
        // ANALYZE TABLE only counts; ANALYZE <statement> runs the statement.
        if (tokens.word(first + 1) == u"TABLE")
            return false;
        return classify(rest(statement, tokens, first + 1));
    }
    if (word == u"SET") {
        const QString next = tokens.word(first + 1);
        if (next == u"PASSWORD")
            return true;
        if (next == u"STATEMENT") {
            // SET STATEMENT <variables> FOR <statement>
            for (qsizetype i = first + 2; i < tokens.size(); ++i) {
                if (tokens.word(i) == u"FOR")
                    return classify(rest(statement, tokens, i + 1));
            }
        }
        return false;
    }
    return true;
}

// Functions whose text arguments are a password or a hash.
bool isHashFunction(const QString& upperWord) {
    static const QStringList kFunctions = {
            QStringLiteral("SHA1"), QStringLiteral("SHA"),      QStringLiteral("SHA2"),
            QStringLiteral("MD5"),  QStringLiteral("PASSWORD"), QStringLiteral("OLD_PASSWORD")};
    return kFunctions.contains(upperWord);
}

// Words that end the value of an assignment or comparison.
bool endsValue(const QString& upperWord) {
    static const QStringList kWords = {
            QStringLiteral("WHERE"), QStringLiteral("AND"),       QStringLiteral("OR"),
            QStringLiteral("XOR"),   QStringLiteral("ORDER"),     QStringLiteral("LIMIT"),
            QStringLiteral("ON"),    QStringLiteral("RETURNING"), QStringLiteral("THEN"),
            QStringLiteral("ELSE"),  QStringLiteral("END"),       QStringLiteral("WHEN"),
            QStringLiteral("FROM"),  QStringLiteral("GROUP"),     QStringLiteral("HAVING"),
            QStringLiteral("UNION")};
    return kWords.contains(upperWord);
}

using Range = std::pair<qsizetype, qsizetype>;

// The index just after an assignment or comparison operator that starts at
// i ("=", ":=", "<=>", "<>", "!=", "<", "<=", ">", ">=", [NOT] LIKE, IN,
// REGEXP, RLIKE), or -1.
qsizetype afterOperator(const Tokens& tokens, qsizetype i) {
    static const QStringList kWords = {QStringLiteral("LIKE"), QStringLiteral("IN"),
                                       QStringLiteral("REGEXP"), QStringLiteral("RLIKE")};
    if (tokens.word(i) == u"NOT" && kWords.contains(tokens.word(i + 1)))
        return i + 2;
    if (kWords.contains(tokens.word(i)))
        return i + 1;
    if (tokens.isSymbol(i, u'='))
        return i + 1;
    if (tokens.isSymbol(i, u':') || tokens.isSymbol(i, u'!'))
        return tokens.isSymbol(i + 1, u'=') ? i + 2 : -1;
    if (tokens.isSymbol(i, u'<')) {
        if (tokens.isSymbol(i + 1, u'=') && tokens.isSymbol(i + 2, u'>'))
            return i + 3;
        return tokens.isSymbol(i + 1, u'=') || tokens.isSymbol(i + 1, u'>') ? i + 2 : i + 1;
    }
    if (tokens.isSymbol(i, u'>'))
        return tokens.isSymbol(i + 1, u'=') ? i + 2 : i + 1;
    return -1;
}

// The statement range of the tokens first..last; a text left open runs to the
// end of the statement.
Range rangeOf(const Tokens& tokens, qsizetype first, qsizetype last, qsizetype statementSize) {
    const qsizetype end =
            tokens[last].kind == Token::Kind::OpenText ? statementSize : tokens[last].end;
    return {tokens[first].start, end};
}

// The last token of the value that starts at first: up to a comma, a
// semicolon or a closing parenthesis outside parentheses, or a word that ends
// a value; first - 1 when there is none.
qsizetype valueEnd(const Tokens& tokens, qsizetype first) {
    qsizetype last = first - 1;
    int depth = 0;
    for (qsizetype j = first; j < tokens.size(); ++j) {
        if (depth == 0 && (tokens.isSymbol(j, u',') || tokens.isSymbol(j, u';') ||
                           tokens.isSymbol(j, u')') || endsValue(tokens.word(j))))
            break;
        if (tokens.isSymbol(j, u'('))
            ++depth;
        else if (tokens.isSymbol(j, u')'))
            --depth;
        last = j;
    }
    return last;
}

// The index of the parenthesis that closes the one at open, or the size.
qsizetype closingParenthesis(const Tokens& tokens, qsizetype open) {
    int depth = 0;
    for (qsizetype j = open; j < tokens.size(); ++j) {
        if (tokens.isSymbol(j, u'('))
            ++depth;
        else if (tokens.isSymbol(j, u')') && --depth == 0)
            return j;
    }
    return tokens.size();
}

// The texts given to a hash function: every text between its parentheses.
void hideHashArguments(const Tokens& tokens, qsizetype open, QList<Range>& hidden) {
    const qsizetype close = closingParenthesis(tokens, open);
    for (qsizetype j = open + 1; j < close; ++j) {
        if (tokens[j].kind == Token::Kind::Text)
            hidden.append({tokens[j].start, tokens[j].end});
    }
}

// "column <operator> value" with a secret column: the value, unless it is
// NULL. Returns the last token of the value, or i when there is none.
qsizetype hideSecretValue(const Tokens& tokens, qsizetype i, qsizetype statementSize,
                          QList<Range>& hidden) {
    if (!isSecretColumn(tokens.name(i)))
        return i;
    const qsizetype first = afterOperator(tokens, i + 1);
    if (first < 0)
        return i;
    const qsizetype last = valueEnd(tokens, first);
    if (last < first || (last == first && tokens.word(first) == u"NULL"))
        return i;
    hidden.append(rangeOf(tokens, first, last, statementSize));
    return last;
}

// INSERT or REPLACE with a column list: the values that go to secret columns
// in each row of VALUES.
void hideInsertedSecrets(const Tokens& tokens, qsizetype statementSize, QList<Range>& hidden) {
    qsizetype i = 0;
    const QString verb = tokens.word(i);
    if (verb != u"INSERT" && verb != u"REPLACE")
        return;
    // The column list is the first parenthesis after the table (and after a
    // PARTITION list).
    for (++i; i < tokens.size() && !tokens.isSymbol(i, u'('); ++i) {
        const QString word = tokens.word(i);
        if (word == u"VALUES" || word == u"VALUE" || word == u"SELECT" || word == u"SET")
            return;
    }
    if (tokens.word(i - 1) == u"PARTITION") {
        i = closingParenthesis(tokens, i) + 1;
        if (!tokens.isSymbol(i, u'('))
            return;
    }
    const qsizetype columnsEnd = closingParenthesis(tokens, i);
    QList<int> secret;
    int position = 0;
    for (qsizetype j = i + 1; j < columnsEnd; ++j) {
        if (tokens.isSymbol(j, u','))
            ++position;
        else if (isSecretColumn(tokens.name(j)))
            secret << position;
    }
    const QString values = tokens.word(columnsEnd + 1);
    if (secret.isEmpty() || (values != u"VALUES" && values != u"VALUE"))
        return;
    for (qsizetype row = columnsEnd + 2; tokens.isSymbol(row, u'(');) {
        const qsizetype rowEnd = closingParenthesis(tokens, row);
        qsizetype first = row + 1;
        for (int column = 0; first < rowEnd; ++column) {
            const qsizetype last = valueEnd(tokens, first);
            if (secret.contains(column) && last >= first)
                hidden.append(rangeOf(tokens, first, last, statementSize));
            first = last + 2; // past the comma
        }
        if (!tokens.isSymbol(rowEnd + 1, u','))
            return;
        row = rowEnd + 2;
    }
}

// SET PASSWORD [FOR user] = value: the value.
void hideSetPassword(const Tokens& tokens, qsizetype statementSize, QList<Range>& hidden) {
    if (tokens.word(0) != u"SET" || tokens.word(1) != u"PASSWORD")
        return;
    for (qsizetype i = 2; i + 1 < tokens.size(); ++i) {
        if (tokens.isSymbol(i, u'=')) {
            hidden.append({tokens[i + 1].start, statementSize});
            return;
        }
    }
}

// IDENTIFIED BY / VIA ... USING / WITH ... AS ...: every text up to the end
// of the user's clause (a comma outside parentheses, or the end).
void hideIdentification(const Tokens& tokens, qsizetype i, QList<Range>& hidden) {
    int depth = 0;
    for (qsizetype j = i + 1; j < tokens.size(); ++j) {
        if (depth == 0 && (tokens.isSymbol(j, u',') || tokens.isSymbol(j, u';')))
            return;
        if (tokens.isSymbol(j, u'('))
            ++depth;
        else if (tokens.isSymbol(j, u')'))
            --depth;
        else if (tokens[j].kind == Token::Kind::Text)
            hidden.append({tokens[j].start, tokens[j].end});
    }
}

// The ranges of a statement that carry a password, a hash or a secret value.
QList<Range> hiddenRanges(const QString& statement, bool backslashEscapes) {
    const Tokens tokens(statement, backslashEscapes);
    QList<Range> hidden;
    hideInsertedSecrets(tokens, statement.size(), hidden);
    hideSetPassword(tokens, statement.size(), hidden);
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind == Token::Kind::OpenText) {
            hidden.append({tokens[i].start, statement.size()});
            break;
        }
        const QString word = tokens.word(i);
        if (isHashFunction(word) && tokens.isSymbol(i + 1, u'('))
            hideHashArguments(tokens, i + 1, hidden);
        else if (word == u"IDENTIFIED")
            hideIdentification(tokens, i, hidden);
        else
            i = hideSecretValue(tokens, i, statement.size(), hidden);
    }
    std::sort(hidden.begin(), hidden.end());
    return hidden;
}

// The text with the ranges written as "***".
QString withHidden(const QString& text, const QList<Range>& hidden) {
    QString result;
    qsizetype from = 0;
    bool any = false;
    for (const auto& [start, end] : hidden) {
        if (any && start <= from) {
            from = std::max(from, end); // one "***" for ranges that meet
            continue;
        }
        result += QStringView(text).mid(from, start - from);
        result += QLatin1String("***");
        from = end;
        any = true;
    }
    result += QStringView(text).mid(from);
    return result;
}

// The part of the statement that an error message quotes (a syntax error
// quotes the statement from where the parser stopped, cut after 80
// characters) starts after one of its single quotes: for each, the longest
// run of the message that is found in the statement. Where such a run holds
// part of a hidden range, that part is hidden in the message too.
QList<Range> quotedStatementParts(const QString& message, const QString& statement,
                                  const QList<Range>& hidden) {
    constexpr qsizetype kShortest = 4; // shorter runs are found by chance
    QList<Range> parts;
    for (qsizetype quote = message.indexOf(u'\''); quote >= 0;
         quote = message.indexOf(u'\'', quote + 1)) {
        const qsizetype from = quote + 1;
        qsizetype found = 0; // the longest length found in the statement
        qsizetype missing = message.size() - from + 1;
        while (missing - found > 1) {
            const qsizetype length = (found + missing) / 2;
            if (statement.contains(QStringView(message).mid(from, length)))
                found = length;
            else
                missing = length;
        }
        if (found < kShortest)
            continue;
        const QStringView run = QStringView(message).mid(from, found);
        for (qsizetype at = statement.indexOf(run); at >= 0; at = statement.indexOf(run, at + 1)) {
            for (const auto& [start, end] : hidden) {
                const qsizetype overlapStart = std::max(start, at);
                const qsizetype overlapEnd = std::min(end, at + found);
                if (overlapStart < overlapEnd)
                    parts.append({from + overlapStart - at, from + overlapEnd - at});
            }
        }
    }
    return parts;
}

// Where a message repeats a hidden value whole (a duplicate entry, a value
// the server could not convert): the value, and the text inside its quotes.
QList<Range> repeatedValues(const QString& message, const QString& statement,
                            const QList<Range>& hidden) {
    constexpr qsizetype kShortest = 3;
    QList<Range> parts;
    for (const auto& [start, end] : hidden) {
        QStringView value = QStringView(statement).mid(start, end - start);
        QList<QStringView> forms = {value};
        if (value.size() >= 2 && (value.front() == u'\'' || value.front() == u'"') &&
            value.back() == value.front())
            forms << value.mid(1, value.size() - 2);
        for (const QStringView form : forms) {
            if (form.size() < kShortest)
                continue;
            for (qsizetype at = message.indexOf(form); at >= 0; at = message.indexOf(form, at + 1))
                parts.append({at, at + form.size()});
        }
    }
    return parts;
}

} // namespace

bool isSecretColumn(const QString& name) {
    static const QStringList kColumns = {QStringLiteral("sha_pass_hash"),
                                         QStringLiteral("s"),
                                         QStringLiteral("v"),
                                         QStringLiteral("sessionkey"),
                                         QStringLiteral("salt"),
                                         QStringLiteral("verifier"),
                                         QStringLiteral("session_key"),
                                         QStringLiteral("session_key_auth")};
    return kColumns.contains(name, Qt::CaseInsensitive);
}

bool changesData(const QString& statement) {
    return classify(statement);
}

QString masked(const QString& statement, bool backslashEscapes) {
    const QList<Range> hidden = hiddenRanges(statement, backslashEscapes);
    return hidden.isEmpty() ? statement : withHidden(statement, hidden);
}

QString maskedError(const QString& message, const QString& statement, bool backslashEscapes) {
    const QList<Range> hidden = hiddenRanges(statement, backslashEscapes);
    if (hidden.isEmpty())
        return message;
    QList<Range> parts = quotedStatementParts(message, statement, hidden) +
                         repeatedValues(message, statement, hidden);
    std::sort(parts.begin(), parts.end());
    return parts.isEmpty() ? message : withHidden(message, parts);
}

QString timeText(const QDateTime& time) {
    const int offset = time.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")) +
           QStringLiteral(" %1%2:%3")
                   .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                   .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                   .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

namespace {

// A field other than the statement: control characters become blanks.
QString field(const QString& text) {
    QString clean = text;
    for (QChar& c : clean) {
        if (c.unicode() < 32 || c.unicode() == 127)
            c = u' ';
    }
    return clean;
}

} // namespace

QString entryLine(const Entry& entry) {
    QString outcome;
    if (entry.ok)
        outcome = QStringLiteral("ok, %1 %2")
                          .arg(entry.affectedRows)
                          .arg(entry.affectedRows == 1 ? QStringLiteral("row")
                                                       : QStringLiteral("rows"));
    else
        outcome =
                QStringLiteral("error %1: %2")
                        .arg(entry.errorCode)
                        .arg(maskedError(entry.errorText, entry.statement, entry.backslashEscapes));
    QString statement = masked(entry.statement, entry.backslashEscapes);
    statement.replace(QLatin1Char('\n'), QStringLiteral("\n\t"));
    const QStringList fields = {
            timeText(entry.time),
            field(entry.user + QLatin1Char('@') + entry.host + QLatin1Char(':') +
                  QString::number(entry.port)),
            entry.database.isEmpty() ? QStringLiteral("-") : field(entry.database),
            field(outcome),
            entry.undoScript.isEmpty() ? QStringLiteral("-") : field(entry.undoScript),
            statement,
    };
    return fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
}

QString headerLine() {
    return QStringLiteral("# time\tuser@host:port\tdatabase\toutcome\tundo script\tstatement\n");
}

QString fileName(const QDate& day) {
    return QStringLiteral("journal-") + day.toString(QStringLiteral("yyyy-MM-dd")) +
           QStringLiteral(".log");
}

} // namespace journal
