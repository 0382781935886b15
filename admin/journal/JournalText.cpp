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

// Columns that hold a password's hash or what is made from it.
bool isSecretColumn(const QString& lowerName) {
    return lowerName == u"sha_pass_hash" || lowerName == u"s" || lowerName == u"v" ||
           lowerName == u"sessionkey";
}

// Words that end the value of an assignment or comparison.
bool endsValue(const QString& upperWord) {
    static const QStringList kWords = {QStringLiteral("WHERE"), QStringLiteral("AND"),
                                       QStringLiteral("OR"),    QStringLiteral("XOR"),
                                       QStringLiteral("ORDER"), QStringLiteral("LIMIT"),
                                       QStringLiteral("ON"),    QStringLiteral("RETURNING")};
    return kWords.contains(upperWord);
}

} // namespace

bool changesData(const QString& statement) {
    return classify(statement);
}

QString masked(const QString& statement, bool backslashEscapes) {
    const Tokens tokens(statement, backslashEscapes);
    // Ranges of the statement to write as "***".
    QList<std::pair<qsizetype, qsizetype>> hidden;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind == Token::Kind::OpenText) {
            hidden.append({tokens[i].start, statement.size()});
            break;
        }
        if (isHashFunction(tokens.word(i)) && tokens.isSymbol(i + 1, u'(')) {
            int depth = 0;
            for (qsizetype j = i + 1; j < tokens.size(); ++j) {
                if (tokens.isSymbol(j, u'('))
                    ++depth;
                else if (tokens.isSymbol(j, u')') && --depth == 0)
                    break;
                else if (tokens[j].kind == Token::Kind::Text)
                    hidden.append({tokens[j].start, tokens[j].end});
            }
            continue;
        }
        // `column` = value (<=, >=, != and <=> start with another symbol).
        if (!isSecretColumn(tokens.name(i)) || !tokens.isSymbol(i + 1, u'='))
            continue;
        qsizetype first = i + 2;
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
        if (last < first)
            continue;
        if (last == first && tokens.word(first) == u"NULL")
            continue;
        const qsizetype end =
                tokens[last].kind == Token::Kind::OpenText ? statement.size() : tokens[last].end;
        hidden.append({tokens[first].start, end});
        i = last;
    }
    if (hidden.isEmpty())
        return statement;
    std::sort(hidden.begin(), hidden.end());
    QString result;
    qsizetype from = 0;
    for (const auto& [start, end] : hidden) {
        if (start < from)
            continue; // inside a range already hidden
        result += QStringView(statement).mid(from, start - from);
        result += QLatin1String("***");
        from = end;
    }
    result += QStringView(statement).mid(from);
    return result;
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
        outcome = QStringLiteral("error %1: %2").arg(entry.errorCode).arg(entry.errorText);
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
