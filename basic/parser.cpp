// The parser: one function per statement form and per precedence level. A
// block ends at any closer; the opener then checks that the closer is its
// own, and leaves a foreign closer to the enclosing block.
#include "basic/parser.h"

#include <algorithm>
#include <utility>

namespace basic {
namespace {

class Parser {
public:
    Parser(std::vector<Token> tokens, Diagnostics& diagnostics)
        : tokens_(std::move(tokens)), diagnostics_(diagnostics) {}

    Program Parse() {
        while (!At(Tok::kEndOfInput) && !diagnostics_.Full()) {
            ParseBlockInto(program_.main, 0);
            if (At(Tok::kEndOfInput)) break;
            // A closer with no opener in the main program.
            StrayCloser();
        }
        return std::move(program_);
    }

private:
    // ---- Token helpers ----------------------------------------------------
    const Token& Peek(size_t ahead = 0) const {
        size_t index = pos_ + ahead;
        return index < tokens_.size() ? tokens_[index] : tokens_.back();
    }
    bool At(Tok kind) const { return Peek().kind == kind; }
    bool AtEndOfStatement() const {
        Tok kind = Peek().kind;
        return kind == Tok::kColon || kind == Tok::kNewline || kind == Tok::kEndOfInput ||
               (kind == Tok::kElse && singleLineIf_ > 0);
    }
    const Token& Next() {
        const Token& token = Peek();
        if (pos_ < tokens_.size() - 1) ++pos_;
        return token;
    }
    bool Accept(Tok kind) {
        if (!At(kind)) return false;
        Next();
        return true;
    }
    // Records an error at the current token unless this statement already has one.
    void Fail(const std::string& message) { FailAt(Peek().at, message); }
    void FailAt(Position at, const std::string& message) {
        if (failed_) return;
        failed_ = true;
        diagnostics_.Error(at, message);
    }
    static std::string Describe(const Token& token) {
        switch (token.kind) {
        case Tok::kNewline: return "end of line";
        case Tok::kEndOfInput: return "end of file";
        case Tok::kString: return "a string";
        default: return "'" + token.spelling + "'";
        }
    }
    bool Expect(Tok kind, const char* what) {
        if (Accept(kind)) return true;
        Fail(std::string(what) + " expected, found " + Describe(Peek()));
        return false;
    }
    void SkipToEndOfStatement() {
        while (!AtEndOfStatement()) Next();
    }

    // ---- Blocks -------------------------------------------------------------
    // Is the current token (at the start of a statement) a block closer?
    bool AtCloser() const {
        switch (Peek().kind) {
        case Tok::kNext: case Tok::kWend: case Tok::kLoop: case Tok::kElse: case Tok::kElseIf:
        case Tok::kCase: case Tok::kEndOfInput:
        // A SUB or FUNCTION starts at the top level: it closes what is open.
        case Tok::kSub: case Tok::kFunction:
            return true;
        case Tok::kEnd: {
            Tok after = Peek(1).kind;
            return after == Tok::kIf || after == Tok::kSelect || after == Tok::kSub ||
                   after == Tok::kFunction;
        }
        default:
            return false;
        }
    }

    // Parses statements into block until a closer (not consumed).
    void ParseBlockInto(Block& block, int depth) {
        while (!diagnostics_.Full()) {
            while (Accept(Tok::kNewline) || Accept(Tok::kColon)) {}
            if (AtLabel(block)) continue;
            if ((At(Tok::kSub) || At(Tok::kFunction)) && depth == 0) {
                ParseProcedure(block);
                continue;
            }
            if (AtCloser()) return;
            ParseStatementInto(block, depth);
        }
        while (!At(Tok::kEndOfInput)) Next();
    }

    // A line number or "label:" at the start of a line.
    bool AtLabel(Block& block) {
        const Token& token = Peek();
        if (!token.lineStart) return false;
        bool number = token.kind == Tok::kNumber && token.suffix == 0 && token.numberType != Type::kDouble;
        bool name = token.kind == Tok::kName && token.suffix == 0 && Peek(1).kind == Tok::kColon;
        if (!number && !name) return false;
        auto label = std::make_unique<Stmt>();
        label->kind = StmtKind::kLabel;
        label->at = token.at;
        label->line = token.at.line;
        label->name = number ? std::to_string(token.integer) : token.text;
        label->spelling = token.spelling;
        Next();
        if (name) Next();
        tokens_[pos_].lineStart = false;
        block.push_back(std::move(label));
        return true;
    }

    void StrayCloser() {
        failed_ = false;
        const Token& token = Peek();
        std::string what = token.kind == Tok::kEnd ? "END " + Upper(Peek(1).spelling) : Upper(token.spelling);
        const char* opener = "";
        switch (token.kind) {
        case Tok::kNext: opener = "FOR"; break;
        case Tok::kWend: opener = "WHILE"; break;
        case Tok::kLoop: opener = "DO"; break;
        case Tok::kElse: case Tok::kElseIf: opener = "IF"; break;
        case Tok::kCase: opener = "SELECT CASE"; break;
        default: {
            Tok after = Peek(1).kind;
            opener = after == Tok::kIf ? "IF" : after == Tok::kSelect ? "SELECT CASE"
                   : after == Tok::kSub ? "SUB" : "FUNCTION";
        }
        }
        Fail(what + " without " + opener);
        SkipToEndOfStatement();
    }

    static std::string Upper(const std::string& text) {
        std::string out;
        for (char c : text) out += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
        return out;
    }

    // After the statement: a separator must follow.
    void EndStatement() {
        if (!AtEndOfStatement()) {
            Fail("end of statement expected, found " + Describe(Peek()));
        }
        SkipToEndOfStatement();
    }

    StmtPtr NewStmt(StmtKind kind, Position at) {
        auto stmt = std::make_unique<Stmt>();
        stmt->kind = kind;
        stmt->at = at;
        stmt->line = at.line;
        return stmt;
    }

    void ParseStatementInto(Block& block, int depth) {
        failed_ = false;
        StmtPtr stmt = ParseStatement(depth);
        if (stmt) block.push_back(std::move(stmt));
        // "NEXT i, j": the comma became the next NEXT. A block left open stops
        // at a foreign closer, which the enclosing block reads.
        if (pendingNext_ || missingCloser_) {
            pendingNext_ = missingCloser_ = false;
            return;
        }
        if (!AtEndOfStatement() && !failed_) EndStatement();
        else SkipToEndOfStatement();
    }

    StmtPtr ParseStatement(int depth) {
        const Token& token = Peek();
        Position at = token.at;
        if (depth > kMaxBlockDepth) {
            Fail("blocks nested too deeply (more than " + std::to_string(kMaxBlockDepth) + " levels)");
            while (!At(Tok::kEndOfInput)) Next();
            return nullptr;
        }
        switch (token.kind) {
        case Tok::kName: return ParseNameStatement();
        case Tok::kLet: Next(); return ParseAssignment();
        case Tok::kPrint: Next(); return ParsePrint(at);
        case Tok::kLine: return ParseLineInput();
        case Tok::kInput: Next(); return ParseInput(at);
        case Tok::kColor: Next(); return ParseArguments(StmtKind::kColor, at, 1, 2);
        case Tok::kCls: Next(); return ParseArguments(StmtKind::kCls, at, 0, 1);
        case Tok::kCircle: Next(); return ParseCircle(at);
        case Tok::kRandomize: Next(); return ParseArguments(StmtKind::kRandomize, at, 0, 1);
        case Tok::kSleep: Next(); return ParseArguments(StmtKind::kSleep, at, 1, 1);
        case Tok::kIf: Next(); return ParseIf(at, depth);
        case Tok::kSelect: Next(); return ParseSelect(at, depth);
        case Tok::kFor: Next(); return ParseFor(at, depth);
        case Tok::kWhile: Next(); return ParseWhile(at, depth);
        case Tok::kDo: Next(); return ParseDo(at, depth);
        case Tok::kExit: Next(); return ParseExit(at);
        case Tok::kGoto: case Tok::kGosub: Next(); return ParseJump(at, token.kind);
        case Tok::kReturn: Next(); return NewStmt(StmtKind::kReturn, at);
        case Tok::kEnd: Next(); return NewStmt(StmtKind::kEnd, at);
        case Tok::kCall: Next(); return ParseCall(at, true);
        case Tok::kDim: Next(); return ParseDim(at);
        case Tok::kConst: Next(); return ParseConst(at);
        case Tok::kDefInt: case Tok::kDefLng: case Tok::kDefDbl: case Tok::kDefStr: case Tok::kDefSng:
            return ParseDefType();
        case Tok::kDeclare: Next(); return ParseDeclare(at);
        case Tok::kSub: case Tok::kFunction:
            Fail(std::string(token.kind == Tok::kSub ? "SUB" : "FUNCTION") +
                 " must stand at the top level of the program, outside every block");
            return nullptr;
        case Tok::kShared:
            Fail("SHARED is written as DIM SHARED in the main program");
            return nullptr;
        default:
            Fail("statement expected, found " + Describe(token));
            return nullptr;
        }
    }

    // ---- Simple statements ----------------------------------------------------
    StmtPtr ParseNameStatement() {
        const Token& token = Peek();
        if (token.text == "mid" && token.suffix == '$' && Peek(1).kind == Tok::kLeftParen)
            return ParseMidAssign();
        if (Peek(1).kind == Tok::kEqual) return ParseAssignment();
        if (Peek(1).kind == Tok::kLeftParen && ParenthesesThenEqual(pos_ + 1)) return ParseAssignment();
        return ParseCall(token.at, false);
    }

    // Does the parenthesised group starting at index end with '=' after it?
    bool ParenthesesThenEqual(size_t index) const {
        int level = 0;
        for (size_t i = index; i < tokens_.size(); ++i) {
            Tok kind = tokens_[i].kind;
            if (kind == Tok::kNewline || kind == Tok::kColon || kind == Tok::kEndOfInput) return false;
            if (kind == Tok::kLeftParen) ++level;
            if (kind == Tok::kRightParen && --level == 0)
                return i + 1 < tokens_.size() && tokens_[i + 1].kind == Tok::kEqual;
        }
        return false;
    }

    StmtPtr ParseAssignment() {
        Position at = Peek().at;
        if (!At(Tok::kName)) {
            Fail("variable name expected, found " + Describe(Peek()));
            return nullptr;
        }
        auto stmt = NewStmt(StmtKind::kAssign, at);
        stmt->exprs.push_back(ParseNameExpr());
        if (!Expect(Tok::kEqual, "'='")) return nullptr;
        stmt->exprs.push_back(ParseExpression());
        return stmt;
    }

    StmtPtr ParseMidAssign() {
        auto stmt = NewStmt(StmtKind::kMidAssign, Peek().at);
        Next();
        Next();  // (
        if (!At(Tok::kName)) {
            Fail("string variable expected, found " + Describe(Peek()));
            return nullptr;
        }
        stmt->exprs.push_back(ParseNameExpr());
        Expect(Tok::kComma, "','");
        stmt->exprs.push_back(ParseExpression());
        stmt->exprs.push_back(Accept(Tok::kComma) ? ParseExpression() : nullptr);
        Expect(Tok::kRightParen, "')'");
        Expect(Tok::kEqual, "'='");
        stmt->exprs.push_back(ParseExpression());
        return failed_ ? nullptr : std::move(stmt);
    }

    StmtPtr ParsePrint(Position at) {
        auto stmt = NewStmt(StmtKind::kPrint, at);
        while (!AtEndOfStatement() && !failed_) {
            PrintItem item;
            if (!At(Tok::kSemicolon) && !At(Tok::kComma)) item.value = ParseExpression();
            if (At(Tok::kSemicolon) || At(Tok::kComma)) item.separator = Next().kind;
            else if (!AtEndOfStatement()) {
                // Items written side by side print as if ';' stood between them.
                item.separator = Tok::kSemicolon;
            }
            stmt->items.push_back(std::move(item));
        }
        return failed_ ? nullptr : std::move(stmt);
    }

    StmtPtr ParseLineInput() {
        Position at = Next().at;
        if (!Expect(Tok::kInput, "INPUT")) return nullptr;
        auto stmt = NewStmt(StmtKind::kLineInput, at);
        if (At(Tok::kString)) {
            stmt->exprs.push_back(ParsePrimary());
            if (!Accept(Tok::kSemicolon) && !Accept(Tok::kComma)) {
                Fail("';' expected after the prompt, found " + Describe(Peek()));
                return nullptr;
            }
        } else {
            stmt->exprs.push_back(nullptr);
        }
        if (!At(Tok::kName)) {
            Fail("string variable expected, found " + Describe(Peek()));
            return nullptr;
        }
        stmt->exprs.push_back(ParseNameExpr());
        return failed_ ? nullptr : std::move(stmt);
    }

    StmtPtr ParseInput(Position at) {
        auto stmt = NewStmt(StmtKind::kInput, at);
        stmt->flag = true;
        if (At(Tok::kString)) {
            stmt->exprs.push_back(ParsePrimary());
            if (Accept(Tok::kComma)) stmt->flag = false;
            else if (!Expect(Tok::kSemicolon, "';' or ','")) return nullptr;
        } else {
            stmt->exprs.push_back(nullptr);
        }
        do {
            if (!At(Tok::kName)) {
                Fail("variable expected, found " + Describe(Peek()));
                return nullptr;
            }
            stmt->exprs.push_back(ParseNameExpr());
        } while (Accept(Tok::kComma));
        return failed_ ? nullptr : std::move(stmt);
    }

    // A statement with `min` to `max` comma-separated arguments.
    StmtPtr ParseArguments(StmtKind kind, Position at, size_t min, size_t max) {
        auto stmt = NewStmt(kind, at);
        if (!AtEndOfStatement()) {
            do {
                stmt->exprs.push_back(ParseExpression());
            } while (Accept(Tok::kComma) && !failed_);
        }
        if (!failed_ && (stmt->exprs.size() < min || stmt->exprs.size() > max)) {
            FailAt(at, "wrong number of arguments: " + std::to_string(min) +
                           (min == max ? "" : " to " + std::to_string(max)) + " expected");
        }
        return failed_ ? nullptr : std::move(stmt);
    }

    StmtPtr ParseCircle(Position at) {
        auto stmt = NewStmt(StmtKind::kCircle, at);
        Expect(Tok::kLeftParen, "'('");
        stmt->exprs.push_back(ParseExpression());
        Expect(Tok::kComma, "','");
        stmt->exprs.push_back(ParseExpression());
        Expect(Tok::kRightParen, "')'");
        Expect(Tok::kComma, "','");
        stmt->exprs.push_back(ParseExpression());
        // colour, start, end, aspect, fill colour: each may be left empty.
        while (Accept(Tok::kComma) && !failed_) {
            if (stmt->exprs.size() >= 8) {
                Fail("CIRCLE takes at most 7 arguments after the centre");
                break;
            }
            stmt->exprs.push_back(At(Tok::kComma) || AtEndOfStatement() ? nullptr : ParseExpression());
        }
        stmt->exprs.resize(8);
        return failed_ ? nullptr : std::move(stmt);
    }

    StmtPtr ParseExit(Position at) {
        auto stmt = NewStmt(StmtKind::kExit, at);
        Tok kind = Peek().kind;
        if (kind != Tok::kFor && kind != Tok::kDo && kind != Tok::kSub && kind != Tok::kFunction) {
            Fail("FOR, DO, SUB or FUNCTION expected after EXIT, found " + Describe(Peek()));
            return nullptr;
        }
        Next();
        stmt->exitKind = kind;
        return stmt;
    }

    StmtPtr ParseJump(Position at, Tok kind) {
        auto stmt = NewStmt(kind == Tok::kGoto ? StmtKind::kGoto : StmtKind::kGosub, at);
        if (!ParseLabelName(*stmt)) return nullptr;
        return stmt;
    }

    bool ParseLabelName(Stmt& stmt) {
        const Token& token = Peek();
        if (token.kind == Tok::kNumber && token.suffix == 0 && token.numberType != Type::kDouble) {
            stmt.name = std::to_string(token.integer);
        } else if (token.kind == Tok::kName && token.suffix == 0) {
            stmt.name = token.text;
        } else {
            Fail("label expected, found " + Describe(token));
            return false;
        }
        stmt.spelling = token.spelling;
        stmt.endAt = token.at;
        Next();
        return true;
    }

    StmtPtr ParseCall(Position at, bool withCall) {
        auto stmt = NewStmt(StmtKind::kCall, at);
        stmt->flag = withCall;
        if (!At(Tok::kName)) {
            Fail("SUB name expected, found " + Describe(Peek()));
            return nullptr;
        }
        const Token& name = Next();
        stmt->name = name.text;
        stmt->spelling = name.spelling;
        stmt->endAt = name.at;
        if (name.suffix) {
            FailAt(name.at, "a SUB name has no type suffix");
            return nullptr;
        }
        if (withCall) {
            if (Accept(Tok::kLeftParen)) {
                if (!At(Tok::kRightParen)) ParseExpressionList(stmt->exprs);
                Expect(Tok::kRightParen, "')'");
            }
        } else if (!AtEndOfStatement()) {
            ParseExpressionList(stmt->exprs);
        }
        return failed_ ? nullptr : std::move(stmt);
    }

    void ParseExpressionList(std::vector<ExprPtr>& out) {
        do {
            out.push_back(ParseExpression());
        } while (Accept(Tok::kComma) && !failed_);
    }

    bool ParseType(Type& type, Position& at) {
        at = Peek().at;
        switch (Next().kind) {
        case Tok::kInteger: type = Type::kInteger; return true;
        case Tok::kLong: type = Type::kLong; return true;
        case Tok::kDouble: type = Type::kDouble; return true;
        case Tok::kStringType:
            type = Type::kString;
            if (At(Tok::kStar)) {
                Fail("fixed-length strings (STRING * n) are not supported; use STRING");
                return false;
            }
            return true;
        case Tok::kSingle:
            FailAt(at, "SINGLE is not supported; use DOUBLE");
            return false;
        default:
            FailAt(at, "type expected (INTEGER, LONG, DOUBLE or STRING)");
            return false;
        }
    }

    StmtPtr ParseDim(Position at) {
        auto stmt = NewStmt(StmtKind::kDim, at);
        stmt->flag = Accept(Tok::kShared);
        do {
            DimDecl decl;
            decl.at = Peek().at;
            if (!At(Tok::kName)) {
                Fail("variable name expected, found " + Describe(Peek()));
                return nullptr;
            }
            const Token& name = Next();
            decl.name = name.text;
            decl.spelling = name.spelling;
            decl.suffix = name.suffix;
            if (Accept(Tok::kLeftParen)) {
                decl.isArray = true;
                do {
                    Bound bound;
                    ExprPtr first = ParseExpression();
                    if (Accept(Tok::kTo)) {
                        bound.lower = std::move(first);
                        bound.upper = ParseExpression();
                    } else {
                        bound.upper = std::move(first);
                    }
                    decl.bounds.push_back(std::move(bound));
                } while (Accept(Tok::kComma) && !failed_);
                Expect(Tok::kRightParen, "')'");
            }
            if (Accept(Tok::kAs) && !ParseType(decl.asType, decl.asAt)) return nullptr;
            stmt->decls.push_back(std::move(decl));
        } while (Accept(Tok::kComma) && !failed_);
        return failed_ ? nullptr : std::move(stmt);
    }

    StmtPtr ParseConst(Position at) {
        auto stmt = NewStmt(StmtKind::kConst, at);
        do {
            DimDecl decl;
            decl.at = Peek().at;
            if (!At(Tok::kName)) {
                Fail("constant name expected, found " + Describe(Peek()));
                return nullptr;
            }
            const Token& name = Next();
            decl.name = name.text;
            decl.spelling = name.spelling;
            decl.suffix = name.suffix;
            if (!Expect(Tok::kEqual, "'='")) return nullptr;
            stmt->exprs.push_back(ParseExpression());
            stmt->decls.push_back(std::move(decl));
        } while (Accept(Tok::kComma) && !failed_);
        return failed_ ? nullptr : std::move(stmt);
    }

    StmtPtr ParseDefType() {
        const Token& keyword = Next();
        auto stmt = NewStmt(StmtKind::kDefType, keyword.at);
        switch (keyword.kind) {
        case Tok::kDefInt: stmt->defType = Type::kInteger; break;
        case Tok::kDefLng: stmt->defType = Type::kLong; break;
        case Tok::kDefStr: stmt->defType = Type::kString; break;
        case Tok::kDefDbl: stmt->defType = Type::kDouble; break;
        default:
            FailAt(keyword.at, "DEFSNG is not supported: SINGLE is not a type here; use DEFDBL");
            return nullptr;
        }
        do {
            char first = 0, last = 0;
            if (!ParseLetter(first)) return nullptr;
            last = first;
            if (Accept(Tok::kMinus) && !ParseLetter(last)) return nullptr;
            if (last < first) {
                Fail("letter range runs backwards");
                return nullptr;
            }
            for (char c = first; c <= last; ++c) stmt->letters |= 1u << (c - 'a');
        } while (Accept(Tok::kComma));
        return stmt;
    }

    bool ParseLetter(char& letter) {
        const Token& token = Peek();
        if (token.kind != Tok::kName || token.text.size() != 1 || token.suffix) {
            Fail("letter expected, found " + Describe(token));
            return false;
        }
        letter = token.text[0];
        Next();
        return true;
    }

    bool ParseSignature(Signature& signature) {
        signature.isFunction = Peek().kind == Tok::kFunction;
        if (!Accept(Tok::kSub) && !Accept(Tok::kFunction)) {
            Fail("SUB or FUNCTION expected, found " + Describe(Peek()));
            return false;
        }
        signature.at = Peek().at;
        if (!At(Tok::kName)) {
            Fail("name expected, found " + Describe(Peek()));
            return false;
        }
        const Token& name = Next();
        signature.name = name.text;
        signature.spelling = name.spelling;
        signature.suffix = name.suffix;
        if (!signature.isFunction && name.suffix) {
            FailAt(name.at, "a SUB name has no type suffix");
            return false;
        }
        if (Accept(Tok::kLeftParen) && !Accept(Tok::kRightParen)) {
            do {
                Param param;
                param.at = Peek().at;
                if (!At(Tok::kName)) {
                    Fail("parameter name expected, found " + Describe(Peek()));
                    return false;
                }
                const Token& p = Next();
                param.name = p.text;
                param.spelling = p.spelling;
                param.suffix = p.suffix;
                if (Accept(Tok::kLeftParen)) {
                    param.isArray = true;
                    if (!Expect(Tok::kRightParen, "')'")) return false;
                }
                if (Accept(Tok::kAs) && !ParseType(param.asType, param.asAt)) return false;
                signature.params.push_back(std::move(param));
            } while (Accept(Tok::kComma));
            if (!Expect(Tok::kRightParen, "')'")) return false;
        }
        Accept(Tok::kStatic);
        return true;
    }

    StmtPtr ParseDeclare(Position at) {
        auto stmt = NewStmt(StmtKind::kDeclare, at);
        if (!ParseSignature(stmt->signature)) return nullptr;
        return stmt;
    }

    void ParseProcedure(Block& block) {
        failed_ = false;
        auto def = std::make_unique<ProcedureDef>();
        Position at = Peek().at;
        bool isFunction = At(Tok::kFunction);
        bool ok = ParseSignature(def->signature);
        if (ok) EndStatement();
        else SkipToEndOfStatement();
        ParseBlockInto(def->body, 1);
        Tok closer = isFunction ? Tok::kFunction : Tok::kSub;
        if (At(Tok::kEnd) && Peek(1).kind == closer) {
            def->endAt = Peek().at;
            Next();
            Next();
            failed_ = false;
            EndStatement();
        } else {
            failed_ = false;
            FailAt(at, std::string(isFunction ? "FUNCTION" : "SUB") + " without END " +
                           (isFunction ? "FUNCTION" : "SUB"));
            // Whatever closer stopped the body is left to the main program.
        }
        auto marker = NewStmt(StmtKind::kProcedure, at);
        marker->procedure = static_cast<int>(program_.procedures.size());
        program_.procedures.push_back(std::move(def));
        block.push_back(std::move(marker));
    }

    // ---- Compound statements --------------------------------------------------
    // Parses a block body; true when it ended at the wanted closer (not consumed).
    bool ParseBody(Block& body, int depth, bool (Parser::*isCloser)() const) {
        ParseBlockInto(body, depth + 1);
        return (this->*isCloser)();
    }
    bool AtNext() const { return At(Tok::kNext); }
    bool AtWend() const { return At(Tok::kWend); }
    bool AtLoop() const { return At(Tok::kLoop); }
    bool AtEndIf() const { return At(Tok::kEnd) && Peek(1).kind == Tok::kIf; }
    bool AtIfPart() const { return At(Tok::kElse) || At(Tok::kElseIf) || AtEndIf(); }
    bool AtCasePart() const { return At(Tok::kCase) || (At(Tok::kEnd) && Peek(1).kind == Tok::kSelect); }

    // A block left open; an opener whose own line already failed is not
    // reported twice.
    void MissingCloser(Position opener, const char* what, bool openerFailed = false) {
        failed_ = openerFailed;
        missingCloser_ = true;
        FailAt(opener, what);
    }

    StmtPtr ParseFor(Position at, int depth) {
        auto stmt = NewStmt(StmtKind::kFor, at);
        if (!At(Tok::kName)) {
            Fail("loop variable expected, found " + Describe(Peek()));
        } else {
            stmt->exprs.push_back(ParseNameExpr());
            if (stmt->exprs.back() && stmt->exprs.back()->hasParens)
                FailAt(stmt->exprs.back()->at, "the loop variable must be a simple variable");
            Expect(Tok::kEqual, "'='");
            stmt->exprs.push_back(ParseExpression());
            Expect(Tok::kTo, "TO");
            stmt->exprs.push_back(ParseExpression());
            stmt->exprs.push_back(Accept(Tok::kStep) ? ParseExpression() : nullptr);
        }
        bool headerFailed = failed_;
        if (!headerFailed) EndStatement();
        SkipToEndOfStatement();
        stmt->bodies.emplace_back();
        if (!ParseBody(stmt->bodies[0], depth, &Parser::AtNext)) {
            MissingCloser(at, "FOR without NEXT", headerFailed);
            return headerFailed ? nullptr : std::move(stmt);
        }
        failed_ = false;
        stmt->endAt = Next().at;  // NEXT
        if (At(Tok::kName)) {
            const Token& name = Peek();
            // The checker compares the resolved variables: names written with and
            // without a declared suffix are the same variable.

            stmt->spelling = name.spelling;
            stmt->endAt = name.at;
            auto nextVariable = std::make_unique<Expr>();
            nextVariable->kind = ExprKind::kName;
            nextVariable->at = name.at;
            nextVariable->name = name.text;
            nextVariable->spelling = name.spelling;
            nextVariable->suffix = name.suffix;
            stmt->exprs.push_back(std::move(nextVariable));
            Next();
            // "NEXT i, j": the comma closes the enclosing FOR.
            if (At(Tok::kComma)) {
                tokens_[pos_].kind = Tok::kNext;
                tokens_[pos_].spelling = "NEXT";
                pendingNext_ = true;
                return headerFailed ? nullptr : std::move(stmt);
            }
        }
        return headerFailed ? nullptr : std::move(stmt);
    }

    StmtPtr ParseWhile(Position at, int depth) {
        auto stmt = NewStmt(StmtKind::kWhile, at);
        stmt->exprs.push_back(ParseExpression());
        bool headerFailed = failed_;
        if (!headerFailed) EndStatement();
        SkipToEndOfStatement();
        stmt->bodies.emplace_back();
        if (!ParseBody(stmt->bodies[0], depth, &Parser::AtWend)) {
            MissingCloser(at, "WHILE without WEND", headerFailed);
        } else {
            stmt->endAt = Next().at;
            failed_ = false;
        }
        return headerFailed ? nullptr : std::move(stmt);
    }

    StmtPtr ParseDo(Position at, int depth) {
        auto stmt = NewStmt(StmtKind::kDo, at);
        bool headerCondition = false;
        if (At(Tok::kWhile) || At(Tok::kUntil)) {
            headerCondition = true;
            stmt->flag = true;
            stmt->until = Next().kind == Tok::kUntil;
            stmt->exprs.push_back(ParseExpression());
        }
        if (!headerCondition) stmt->exprs.push_back(nullptr);  // until a LOOP condition
        bool headerFailed = failed_;
        if (!headerFailed) EndStatement();
        SkipToEndOfStatement();
        stmt->bodies.emplace_back();
        if (!ParseBody(stmt->bodies[0], depth, &Parser::AtLoop)) {
            MissingCloser(at, "DO without LOOP", headerFailed);
            return headerFailed ? nullptr : std::move(stmt);
        }
        failed_ = false;
        stmt->endAt = Next().at;
        if (At(Tok::kWhile) || At(Tok::kUntil)) {
            if (headerCondition) {
                Fail("a DO loop has its condition at the top or at the bottom, not both");
                return nullptr;
            }
            stmt->until = Next().kind == Tok::kUntil;
            stmt->exprs[0] = ParseExpression();
            if (failed_) return nullptr;
        }
        return headerFailed ? nullptr : std::move(stmt);
    }

    StmtPtr ParseIf(Position at, int depth) {
        auto stmt = NewStmt(StmtKind::kIf, at);
        stmt->exprs.push_back(ParseExpression());
        if (failed_) return nullptr;
        if (At(Tok::kGoto)) return ParseSingleLineIf(std::move(stmt), depth);
        if (!Expect(Tok::kThen, "THEN")) return nullptr;
        if (!At(Tok::kNewline) && !At(Tok::kEndOfInput)) return ParseSingleLineIf(std::move(stmt), depth);
        // The block form.
        stmt->bodies.emplace_back();
        while (true) {
            if (!ParseBody(stmt->bodies.back(), depth, &Parser::AtIfPart)) {
                MissingCloser(at, "IF without END IF");
                return stmt;
            }
            failed_ = false;
            if (Accept(Tok::kElseIf)) {
                if (stmt->bodies.size() > stmt->exprs.size()) {
                    Fail("ELSEIF after ELSE");
                    SkipToEndOfStatement();
                    continue;
                }
                stmt->exprs.push_back(ParseExpression());
                Expect(Tok::kThen, "THEN");
                if (!failed_) EndStatement();
                SkipToEndOfStatement();
                stmt->bodies.emplace_back();
            } else if (At(Tok::kElse)) {
                Position elseAt = Next().at;
                if (stmt->bodies.size() > stmt->exprs.size()) {
                    FailAt(elseAt, "a second ELSE in one IF");
                    SkipToEndOfStatement();
                }
                // Statements may follow ELSE on its line.
                stmt->bodies.emplace_back();
            } else {
                stmt->endAt = Next().at;  // END
                Next();                   // IF
                return stmt;
            }
        }
    }

    // IF c THEN statements [ELSE statements], all on one line; a line number
    // after THEN or ELSE (or IF c GOTO label) jumps.
    StmtPtr ParseSingleLineIf(StmtPtr stmt, int depth) {
        ++singleLineIf_;
        stmt->bodies.emplace_back();
        ParseSingleLineBranch(stmt->bodies.back(), depth, At(Tok::kGoto));
        if (At(Tok::kElse) && !failed_) {
            Next();
            stmt->bodies.emplace_back();
            ParseSingleLineBranch(stmt->bodies.back(), depth, false);
        }
        --singleLineIf_;
        return failed_ ? nullptr : std::move(stmt);
    }

    void ParseSingleLineBranch(Block& body, int depth, bool gotoForm) {
        if (gotoForm) Next();
        if (gotoForm || (At(Tok::kNumber) && Peek().numberType != Type::kDouble)) {
            auto jump = NewStmt(StmtKind::kGoto, Peek().at);
            if (ParseLabelName(*jump)) body.push_back(std::move(jump));
            return;
        }
        while (!failed_) {
            if (AtEndOfStatement() && !At(Tok::kColon)) return;
            while (Accept(Tok::kColon)) {}
            if (At(Tok::kNewline) || At(Tok::kEndOfInput) || At(Tok::kElse)) return;
            StmtPtr inner = ParseStatement(depth + 1);
            if (inner) body.push_back(std::move(inner));
            if (!failed_ && !AtEndOfStatement()) Fail("end of statement expected, found " + Describe(Peek()));
        }
    }

    StmtPtr ParseSelect(Position at, int depth) {
        auto stmt = NewStmt(StmtKind::kSelect, at);
        Expect(Tok::kCase, "CASE");
        stmt->exprs.push_back(ParseExpression());
        bool headerFailed = failed_;
        if (!headerFailed) EndStatement();
        SkipToEndOfStatement();
        Block stray;  // statements before the first CASE
        ParseBlockInto(stray, depth + 1);
        for (auto& s : stray) {
            if (s->kind != StmtKind::kLabel) {
                diagnostics_.Error(s->at, "CASE expected before the first statement of SELECT CASE");
                break;
            }
        }
        while (true) {
            if (!AtCasePart()) {
                MissingCloser(at, "SELECT CASE without END SELECT", headerFailed);
                return nullptr;
            }
            if (At(Tok::kEnd)) {
                stmt->endAt = Next().at;
                Next();
                failed_ = false;
                return headerFailed ? nullptr : std::move(stmt);
            }
            failed_ = false;
            CaseClause clause;
            clause.at = Next().at;
            if (Accept(Tok::kElse)) {
                clause.isElse = true;
                if (!stmt->cases.empty() && stmt->cases.back().isElse) FailAt(clause.at, "a second CASE ELSE");
            } else {
                if (!stmt->cases.empty() && stmt->cases.back().isElse) FailAt(clause.at, "CASE after CASE ELSE");
                ParseCaseTests(clause);
            }
            if (!failed_) EndStatement();
            SkipToEndOfStatement();
            ParseBlockInto(clause.body, depth + 1);
            stmt->cases.push_back(std::move(clause));
        }
    }

    void ParseCaseTests(CaseClause& clause) {
        do {
            CaseTest test;
            if (Accept(Tok::kIs)) {
                test.kind = CaseTestKind::kIs;
                Tok op = Peek().kind;
                if (op != Tok::kEqual && op != Tok::kLess && op != Tok::kGreater && op != Tok::kLessEqual &&
                    op != Tok::kGreaterEqual && op != Tok::kNotEqual) {
                    Fail("comparison operator expected after IS, found " + Describe(Peek()));
                    return;
                }
                test.op = Next().kind;
                test.first = ParseExpression();
            } else {
                test.first = ParseExpression();
                if (Accept(Tok::kTo)) {
                    test.kind = CaseTestKind::kRange;
                    test.second = ParseExpression();
                }
            }
            clause.tests.push_back(std::move(test));
        } while (Accept(Tok::kComma) && !failed_);
    }

    // ---- Expressions ----------------------------------------------------------
    ExprPtr NewExpr(ExprKind kind, Position at) {
        auto expr = std::make_unique<Expr>();
        expr->kind = kind;
        expr->at = at;
        return expr;
    }
    // Expressions deeper than this are refused: every later stage recurses
    // over them, and so does the C++ compiler.
    static constexpr int kMaxExpressionDepth = 256;
    static constexpr int kMaxBlockDepth = 100;

    void CheckDepth(Expr& expr) {
        for (auto& arg : expr.args) expr.depth = std::max(expr.depth, arg->depth + 1);
        if (expr.depth > kMaxExpressionDepth) Fail("expression too deeply nested");
    }

    ExprPtr Binary(Tok op, Position at, ExprPtr left, ExprPtr right) {
        auto expr = NewExpr(ExprKind::kBinary, at);
        expr->op = op;
        expr->args.push_back(std::move(left));
        expr->args.push_back(std::move(right));
        CheckDepth(*expr);
        return expr;
    }
    ExprPtr Unary(Tok op, Position at, ExprPtr operand) {
        auto expr = NewExpr(ExprKind::kUnary, at);
        expr->op = op;
        expr->args.push_back(std::move(operand));
        CheckDepth(*expr);
        return expr;
    }

    // Placeholder for a failed operand: keeps the tree whole.
    ExprPtr Broken(Position at) {
        auto expr = NewExpr(ExprKind::kNumber, at);
        expr->literalType = Type::kInteger;
        return expr;
    }

    struct DepthGuard {
        explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
        ~DepthGuard() { --depth_; }
        int& depth_;
    };

    ExprPtr ParseExpression() {
        DepthGuard guard(exprDepth_);
        if (TooDeep()) return Broken(Peek().at);
        return ParseLevel(0);
    }

    // Binary levels from the loosest: IMP, EQV, XOR, OR, AND; then NOT,
    // comparisons, + -, MOD, \, * /; then unary minus and ^.
    ExprPtr ParseLevel(int level) {
        static const Tok kLogical[] = {Tok::kImp, Tok::kEqv, Tok::kXor, Tok::kOr, Tok::kAnd};
        if (level < 5) {
            ExprPtr left = ParseLevel(level + 1);
            while (At(kLogical[level]) && !failed_) {
                const Token& op = Next();
                left = Binary(op.kind, op.at, std::move(left), ParseLevel(level + 1));
            }
            return left;
        }
        return ParseNot();
    }

    // Unary chains recurse in the parser itself: stop them early.
    bool TooDeep() {
        if (exprDepth_ <= kMaxExpressionDepth) return false;
        Fail("expression too deeply nested");
        return true;
    }

    ExprPtr ParseNot() {
        DepthGuard guard(exprDepth_);
        if (TooDeep()) return Broken(Peek().at);
        if (At(Tok::kNot)) {
            const Token& op = Next();
            return Unary(Tok::kNot, op.at, ParseNot());
        }
        return ParseComparison();
    }

    static bool IsComparison(Tok kind) {
        return kind == Tok::kEqual || kind == Tok::kLess || kind == Tok::kGreater ||
               kind == Tok::kLessEqual || kind == Tok::kGreaterEqual || kind == Tok::kNotEqual;
    }

    ExprPtr ParseComparison() {
        ExprPtr left = ParseAdditive();
        while (IsComparison(Peek().kind) && !failed_) {
            const Token& op = Next();
            left = Binary(op.kind, op.at, std::move(left), ParseAdditive());
        }
        return left;
    }

    ExprPtr ParseAdditive() {
        ExprPtr left = ParseMod();
        while ((At(Tok::kPlus) || At(Tok::kMinus)) && !failed_) {
            const Token& op = Next();
            left = Binary(op.kind, op.at, std::move(left), ParseMod());
        }
        return left;
    }

    ExprPtr ParseMod() {
        ExprPtr left = ParseIntDivide();
        while (At(Tok::kMod) && !failed_) {
            const Token& op = Next();
            left = Binary(op.kind, op.at, std::move(left), ParseIntDivide());
        }
        return left;
    }

    ExprPtr ParseIntDivide() {
        ExprPtr left = ParseMultiplicative();
        while (At(Tok::kBackslash) && !failed_) {
            const Token& op = Next();
            left = Binary(op.kind, op.at, std::move(left), ParseMultiplicative());
        }
        return left;
    }

    ExprPtr ParseMultiplicative() {
        ExprPtr left = ParseNegation();
        while ((At(Tok::kStar) || At(Tok::kSlash)) && !failed_) {
            const Token& op = Next();
            left = Binary(op.kind, op.at, std::move(left), ParseNegation());
        }
        return left;
    }

    ExprPtr ParseNegation() {
        DepthGuard guard(exprDepth_);
        if (TooDeep()) return Broken(Peek().at);
        if (At(Tok::kMinus)) {
            const Token& op = Next();
            return Unary(Tok::kMinus, op.at, ParseNegation());
        }
        if (At(Tok::kPlus)) {
            Next();
            return ParseNegation();
        }
        return ParsePower();
    }

    ExprPtr ParsePower() {
        ExprPtr left = ParsePrimary();
        while (At(Tok::kCaret) && !failed_) {
            const Token& op = Next();
            ExprPtr right;
            if (At(Tok::kMinus) || At(Tok::kPlus)) {
                const Token& sign = Next();
                ExprPtr operand = ParsePowerOperand();
                right = sign.kind == Tok::kMinus ? Unary(Tok::kMinus, sign.at, std::move(operand)) : std::move(operand);
            } else {
                right = ParsePrimary();
            }
            left = Binary(Tok::kCaret, op.at, std::move(left), std::move(right));
        }
        return left;
    }

    ExprPtr ParsePowerOperand() {
        DepthGuard guard(exprDepth_);
        if (TooDeep()) return Broken(Peek().at);
        if (At(Tok::kMinus)) {
            const Token& sign = Next();
            return Unary(Tok::kMinus, sign.at, ParsePowerOperand());
        }
        return ParsePrimary();
    }

    ExprPtr ParsePrimary() {
        const Token& token = Peek();
        switch (token.kind) {
        case Tok::kNumber: {
            auto expr = NewExpr(ExprKind::kNumber, token.at);
            expr->literalType = token.numberType;
            expr->integer = token.integer;
            expr->real = token.real;
            Next();
            return expr;
        }
        case Tok::kString: {
            auto expr = NewExpr(ExprKind::kString, token.at);
            expr->text = token.text;
            Next();
            return expr;
        }
        case Tok::kName:
            return ParseNameExpr();
        case Tok::kLeftParen: {
            auto expr = NewExpr(ExprKind::kParen, token.at);
            Next();
            expr->args.push_back(ParseExpression());
            Expect(Tok::kRightParen, "')'");
            return expr;
        }
        default:
            Fail("expression expected, found " + Describe(token));
            return Broken(token.at);
        }
    }

    ExprPtr ParseNameExpr() {
        const Token& token = Next();
        auto expr = NewExpr(ExprKind::kName, token.at);
        expr->name = token.text;
        expr->spelling = token.spelling;
        expr->suffix = token.suffix;
        if (Accept(Tok::kLeftParen)) {
            expr->hasParens = true;
            if (!At(Tok::kRightParen)) ParseExpressionList(expr->args);
            Expect(Tok::kRightParen, "')'");
        }
        return expr;
    }

    std::vector<Token> tokens_;
    size_t pos_ = 0;
    Diagnostics& diagnostics_;
    Program program_;
    bool failed_ = false;
    bool pendingNext_ = false;
    bool missingCloser_ = false;
    int singleLineIf_ = 0;
    int exprDepth_ = 0;
};

}  // namespace

Program ParseProgram(std::vector<Token> tokens, Diagnostics& diagnostics) {
    Parser parser(std::move(tokens), diagnostics);
    return parser.Parse();
}

}  // namespace basic
