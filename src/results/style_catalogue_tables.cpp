#include "results/style_catalogue_tables.h"

// The settings of thirteen of the window's syntax styles, one table per style, in creation
// order (the PHP style, with its long completion lists, has a file of its own).
// Element styles, completion entries, parameters and regions keep their listed order, and
// a word listed twice stays twice.

namespace fif::catalogue {

// AdvPascalMemoStyler1
TMemoStylerSettings PascalStyle() {
    return {
        .Description = "Pascal",
        .StylerName = "Pascal",
        .Filter = "Pascal Files (*.pas,*.dpr,*.dpk,*.inc)|*.pas;*.dpr;*.dpk;*.inc",
        .DefaultExtension = ".pas",
        .Extensions = "pas;dpr;dpk;inc",
        .LineComment = "//",
        .MultiCommentLeft = "{",
        .MultiCommentRight = "}",
        .BlockStart = "begin,try,case,class,record",
        .BlockEnd = "end",
        .HexIdentifier = "$",
        .CommentStyle = CommentIn(clNavy),
        .NumberStyle = NumbersIn(clFuchsia, fsBold),
        .AllStyles = {
            KeywordGroup("Pascal Standard Default", clGreen, fsBold, {  // 52
                "UNIT", "INTERFACE", "IMPLEMENTATION", "USES", "CONST", "PROGRAM", "PRIVATE",
                "PUBLIC", "PUBLISHED", "PROTECTED", "PROPERTY", "FUNCTION", "FINALISE",
                "INITIALISE", "VAR", "BEGIN", "WITH", "END", "FOR", "TO", "DO", "NOT", "IF", "THEN",
                "ELSE", "CLASS", "TYPE", "WHILE", "REPEAT", "UNTIL", "BREAK", "CONTINUE", "VIRTUAL",
                "OVERRIDE", "DEFAULT", "CLASS", "STORED", "INHERITED", "PROCEDURE", "CONSTRUCTOR",
                "DESTRUCTOR", "PROGRAM", "FINALLY", "RAISE", "STRING", "TRY", "EXCEPT", "STDCALL",
                "CDECL", "PASCAL", "NIL", "CASE",
            }),
            Bracket("Simple Quote", clBlue, Regular, '\'', '\''),
            Bracket("Double Quote", clBlue, Regular, '"', '"'),
            SymbolSet("Symbols Delimiters", clRed, Regular, " ,;:.(){}[]=-*/^%<>#\r\n"),
        },
        .AutoCompletion = {
            "ShowMessage",
            "MessageDlg",
        },
        .HintParameter = Hints({
            "ShowMessage(const Msg: string);",
            "MessageDlg(const Msg: string; DlgType: TMsgDlgType; Buttons: TMsgDlgButtons; HelpCtx: Longint): Integer);",
        }),
        .RegionDefinitions = {
            Region("procedure", "begin", "end", rtClosed),
            Region("interface", "interface", "", rtOpen),
            Region("unit", "unit", "", rtFile),
            Region("implementation", "implementation", "", rtOpen),
            Region("case", "case", "end", rtIgnore),
            Region("try", "try", "end", rtIgnore),
            Region("function", "begin", "end", rtClosed),
            Region("{$region", "{$region", "{$endregion", rtClosed),
        },
    };
}

// AdvWebMemoStyler1
TMemoStylerSettings WebStyle() {
    return {
        .Description = "Web pages",
        .StylerName = "HTML document",
        .Filter = "HTML Document (*.htm,*.html)|*.htm;*.html",
        .DefaultExtension = ".html",
        .Extensions = "html;htm",
        .LineComment = "//",
        .MultiCommentLeft = "<!--",
        .MultiCommentRight = "-->",
        .BlockStart = "{",
        .BlockEnd = "}",
        .HexIdentifier = "",
        .CommentStyle = CommentIn(clSilver),
        .NumberStyle = NumbersIn(clNavy, fsBold),
        .AllStyles = {
            KeywordGroup("Script Standard Default", clFuchsia, fsBold, {  // 24
                "SCRIPT", "OBJECT", "FOR", "IF", "THEN", "THIS", "DO", "WHILE", "BREAK", "{", "}",
                "(", ")", "SWITCH", "ELSE", "FUNCTION", "WINDOW", "DOCUMENT", ";", "RETURN",
                "STYLE", "VAR", "WINDOW", "LOCATION",
            }),
            KeywordGroup("HTML Standard Default", clFuchsia, fsBold, {  // 48
                "A", "B", "I", "U", "P", "BASE", "BLINK", "LINK", "FONT", "STRONG", "IMG",
                "BASEFONT", "BGSOUND", "DD", "DEL", "DFN", "DIR", "DIV", "DL", "DT", "COL", "BR",
                "HR", "COLGROUP", "TABLE", "MULTICOL", "TBODY", "TD", "TEXTAREA", "TFOOT", "TH",
                "THEAD", "TR", "TT", "CAPTION", "CENTER", "CITE", "CODE", "BLOCKQUOTE", "FORM",
                "FRAME", "IFRAME", "ILAYER", "FRAMESET", "BUTTON", "LABEL", "LAYER", "OPTION",
            }),
            Bracket("Single Quote", clGreen, Regular, '\'', '\''),
            Bracket("Double Quote", clTeal, Regular, '"', '"'),
            SymbolSet("Symbols Delimiters", clTeal, Regular, " ,;:.()[]=-*/^%<>#\r\n"),
            KeywordGroup("JavaScript Functions", clGreen, fsBold, {  // 7
                "alert", "confirm", "prompt", "indexOf", "select", "write", "focus",
            }),
        },
        .AutoCompletion = {
            "alert",
            "confirm",
            "prompt",
        },
        .HintParameter = Hints({
            "alert(message)",
            "confirm(message)",
            "prompt(message,defaultvalue)",
        }),
        .RegionDefinitions = {},
    };
}

// AdvHTMLMemoStyler1
TMemoStylerSettings HTMLStyle() {
    return {
        .Description = "Web pages",
        .StylerName = "HTML document",
        .Filter = "HTML Document (*.htm,*.html)|*.htm;*.html",
        .DefaultExtension = ".html",
        .Extensions = "htm;html",
        .LineComment = "//",
        .MultiCommentLeft = "<!--",
        .MultiCommentRight = "-->",
        .BlockStart = "",
        .BlockEnd = "",
        .HexIdentifier = "",
        .CommentStyle = CommentIn(clSilver),
        .NumberStyle = NumbersIn(clBlack, Regular),
        .AllStyles = {
            KeywordGroup("HTML Standard Default", clNavy, Regular, {  // 107
                "&lt", "ABREV", "ACRONYM", "ADDRESS", "APPLET", "AREA", "AU", "AUTHOR", "B",
                "BANNER", "BASE", "BASEFONT", "BGSOUND", "BIG", "BLINK", "BLOCQUOTE", "BODY", "BQ",
                "BR", "CAPTION", "CENTER", "CITE", "CODE", "COL", "COLGROUP", "COMMENT", "CREDIT",
                "DEL", "DFN", "DIR", "DIV", "DL", "DT", "DD", "EM", "EMBED", "FIG", "FN", "FONT",
                "FORM", "FRAME", "FRAMESET", "HEAD", "H1", "H2", "H3", "H4", "H5", "H6", "HR",
                "HTML", "I", "IFRAME", "IMG", "INPUT", "INS", "ISINDEX", "KBD", "LANG", "LH", "LI",
                "LINK", "LISTING", "MAP", "MARQUEE", "MATH", "MENU", "META", "MULTICOL", "NOBR",
                "NOFRAMES", "NOTE", "OL", "OVERLAY", "P", "PARAM", "PERSON", "PLAINTEXT", "PRE",
                "Q", "RANGE", "SAMP", "SCRIPT", "SELECT", "SMALL", "SPACER", "SPOT", "STRIKE",
                "STRONG", "SUB", "SUP", "TAB", "TBODY", "TEXTAREA", "TEXTFLOW", "TFOOT", "TH",
                "THEAD", "TITLE", "TT", "U", "UL", "VAR", "WBR", "XMP", "DOCTYPE", "PUBLIC",
            }),
            KeywordGroup("HTML Table Keywords", clOlive, Regular, {  // 10
                "TABLE", "BORDER", "TD", "TR", "STYLE", "BORDERCOLOR", "WIDTH", "ID",
                "BORDERCOLORLIGHT", "BORDERCOLORDARK",
            }),
            KeywordGroup("HTML Link Keywords", clRed, Regular, {  // 2
                "A", "HREF",
            }),
            Bracket("Simple Bracket", clBackground(), Regular, '\'', '\''),
            Bracket("Double Bracket", clBlue, Regular, '"', '"'),
            SymbolSet("Symbols Delimiters", clTeal, Regular, " ,;:.()[]=-*/^%<>#\r\n"),
        },
        .AutoCompletion = {},
        .HintParameter = Hints({}),
        .RegionDefinitions = {},
    };
}

// AdvJSMemoStyler1
TMemoStylerSettings JSStyle() {
    return {
        .Description = "JavaScript",
        .StylerName = "JavaScript",
        .Filter = "Javascript Files (*.js)|*.js",
        .DefaultExtension = ".js",
        .Extensions = "js",
        .LineComment = "//",
        .MultiCommentLeft = "<!--",
        .MultiCommentRight = "-->",
        .BlockStart = "{",
        .BlockEnd = "}",
        .HexIdentifier = "",
        .CommentStyle = CommentIn(clSilver),
        .NumberStyle = NumbersIn(clNavy, fsBold),
        .AllStyles = {
            KeywordGroup("Script Standard Default", clFuchsia, fsBold, {  // 24
                "SCRIPT", "OBJECT", "FOR", "IF", "THEN", "THIS", "DO", "WHILE", "BREAK", "{", "}",
                "(", ")", "SWITCH", "ELSE", "FUNCTION", "WINDOW", "DOCUMENT", ";", "RETURN",
                "STYLE", "VAR", "WINDOW", "LOCATION",
            }),
            Bracket("Simple Quote", clGreen, Regular, '\'', '\''),
            Bracket("Double Quote", clTeal, Regular, '"', '"'),
            SymbolSet("Symbols Delimiters", clTeal, Regular, " ,;:.()[]=-*/^%<>#\r\n"),
            KeywordGroup("JavaScript Functions", clGreen, fsBold, {  // 7
                "alert", "confirm", "prompt", "indexOf", "select", "write", "focus",
            }),
        },
        .AutoCompletion = {
            "alert",
            "confirm",
            "prompt",
        },
        .HintParameter = Hints({
            "alert(message)",
            "confirm(message)",
            "prompt(message,defaultvalue)",
        }),
        .RegionDefinitions = {},
    };
}

// AdvBasicMemoStyler1
TMemoStylerSettings BasicStyle() {
    return {
        .Description = "MS Visual Basic",
        .StylerName = "MS Visual Basic",
        .Filter = "Visual Basic Files (*.bas)|*.bas",
        .DefaultExtension = ".bas",
        .Extensions = "bas",
        .LineComment = "'",
        .MultiCommentLeft = "{",
        .MultiCommentRight = "}",
        .BlockStart = "begin",
        .BlockEnd = "end",
        .HexIdentifier = "0x",
        .CommentStyle = CommentIn(clNavy),
        .NumberStyle = NumbersIn(clFuchsia, fsBold),
        .AllStyles = {
            KeywordGroup("Basic Standard Default", clGreen, Regular, {  // 101
                "ALIAS", "ALL", "AND", "AS", "ATTACH", "AUTO", "AUTOX", "CALL", "CASE", "CFUNCTION",
                "CLEAR", "DCOMPLEX", "DEC", "DECLARE", "DEFAULT", "DIM", "DO", "DOUBLE", "EACH",
                "ELSE", "ELSEIF", "END", "ENDIF", "ERROR", "EXIT", "EXPLICIT", "EXPORT", "EXTERNAL",
                "FALSE", "FINALLY", "FOR", "FOR NEXT", "FUNCADDR", "FUNCTION", "GIANT", "GOADDR",
                "GOSUB", "GOTO", "IF", "IFF", "IFT", "IFZ", "IMPORT", "IN", "INC", "INTERNAL", "IS",
                "LIBRARYS", "LOOP", "MOD", "MODULE", "NEXT", "NEW", "NOT", "NOTHING", "OFF", "ON",
                "OPTION", "OR", "PRINT", "PROGRAM", "PROTECTED", "PUBLIC", "QUIT", "READ", "REDIM",
                "RETURN", "SBYTE", "SCOMPLEX", "SELECT", "SHARED", "SFUNCTION", "SHARED", "SINGLE",
                "SLONG", "SSHORT", "STATIC", "STEP", "STOP", "STRING", "SUB", "SUBADDR", "SWAP",
                "THEN", "TO", "TRUE", "TRY", "TYPE", "TYPEOF", "UBYTE", "ULONG", "UNION", "UNTIL",
                "USHORT", "VERSION", "VOID", "WHEN", "WHILE", "WRITE", "XLONG", "XOR",
            }),
            Bracket("Simple Quote", clBlue, Regular, '\'', '\''),
            Bracket("Double Quote", clBlue, Regular, '"', '"'),
            SymbolSet("Symbols Delimiters", clTeal, Regular, " ,;:.(){}[]=-*/^%<>#\r\n"),
        },
        .AutoCompletion = {
            "ShowMessage",
            "MessageDlg",
        },
        .HintParameter = Hints({
            "ShowMessage(string Msg)",
            "MessageDlg(string Msg; TMsgDlgType DlgType; TMsgDlgButtons Buttons; LongInt: HelpCtx)",
        }),
        .RegionDefinitions = {},
    };
}

// AdvCSSMemoStyler1
TMemoStylerSettings CSSStyle() {
    return {
        .Description = "Cascading Style Sheets (CSS)",
        .StylerName = "Cascading Style Sheets",
        .Filter = "Cascading Stylesheets (*.css)|*.css",
        .DefaultExtension = ".css",
        .Extensions = "css",
        .LineComment = "//",
        .MultiCommentLeft = "",
        .MultiCommentRight = "",
        .BlockStart = "",
        .BlockEnd = "",
        .HexIdentifier = "",
        .CommentStyle = CommentIn(clNavy),
        .NumberStyle = NumbersIn(clFuchsia, fsBold),
        .AllStyles = {
            KeywordGroup("CSS Standard Default", clGreen, Regular, {  // 7
                ".H1", ".H2", ".H3", ".H4", ".H5", ".BORDER", ".COMMENT",
            }),
            Bracket("Simple Quote", clBlue, Regular, '\'', '\''),
            Bracket("Double Quote", clBlue, Regular, '"', '"'),
            SymbolSet("Symbols Delimiters", clTeal, Regular, " ,;:.(){}[]=-*/^%<>#\r\n"),
        },
        .AutoCompletion = {},
        .HintParameter = Hints({}),
        .RegionDefinitions = {},
    };
}

// AdvCSharpMemoStyler1
TMemoStylerSettings CSharpStyle() {
    return {
        .Description = "C# Styler",
        .StylerName = "C# Styler",
        .Filter = "C# files|*.cs;*.cpp",
        .DefaultExtension = ".cs",
        .Extensions = "cs",
        .LineComment = "//",
        .MultiCommentLeft = "/*",
        .MultiCommentRight = "*/",
        .BlockStart = "{",
        .BlockEnd = "}",
        .HexIdentifier = "0x",
        .CommentStyle = CommentIn(clNavy),
        .NumberStyle = NumbersIn(clFuchsia, fsBold),
        .AllStyles = {
            KeywordGroup("C# Standard Default", clGreen, fsBold, {  // 82
                "NAMESPACE", "USING", "GET", "SET", "PRIVATE", "PUBLIC", "INTERNAL", "TYPEOF",
                "TYPE", "INTERFACE", "DELEGATE", "EVENT", "IF", "ELSE", "SWITCH", "CASE", "DEFAULT",
                "DO", "WHILE", "FOR", "FOREACH", "BREAK", "CONTINUE", "RETURN", "THROW", "CATCH",
                "TRY", "FINALLY", "CHECKED", "UNCHECKED", "LOCK", "THIS", "VALUE", "TRUE", "FALSE",
                "NULL", "CLASS", "STRUCT", "STATIC", "VOID", "UNSAFE", "INT", "BOOL", "STRING",
                "OBJECT", "SBYTE", "SHORT", "LONG", "USHORT", "UBYTE", "UINT", "ULONG", "FLOAT",
                "DOUBLE", "CHAR", "DECIMAL", "ENUM", "IMPLEMENTATION", "CONST", "PROGRAM",
                "PUBLISHED", "PROTECTED", "SEALED", "PROPERTY", "FUNCTION", "PARAMS", "REF", "BASE",
                "EXTERN", "OPERATOR", "GOTO", "NOT", "TO", "IS", "EXPLICIT", "IMPLICIT", "ABSTRACT",
                "VIRTUAL", "OVERRIDE", "READONLY", "DEFAULT", "FIXED",
            }),
            KeywordGroup("C# Regions", clBlue, fsBold, {  // 2
                "#region", "#endregion",
            }),
            KeywordGroup("C# Conditional defines", clNavy, fsBold, {  // 8
                "#if", "#else", "#endif", "#define", "#undef", "#error", "#warning", "#line",
            }),
            Bracket("Simple Quote", clBlue, Regular, '\'', '\''),
            Bracket("Double Quote", clBlue, Regular, '"', '"'),
            SymbolSet("Symbols Delimiters", clRed, Regular, " ,;:.()[]=-*/^%&^<>|!~\r\n"),
        },
        .AutoCompletion = {},
        .HintParameter = Hints({}),
        .RegionDefinitions = {
            Region("namespace", "{", "}", rtClosed),
            Region("#region", "#region", "#endregion", rtClosed),
            Region("public", "{", "}", rtClosed),
            Region("private", "{", "}", rtClosed),
        },
    };
}

// AdvSQLMemoStyler1
TMemoStylerSettings SQLStyle() {
    return {
        .Description = "SQL",
        .StylerName = "SQL",
        .Filter = "SQL Files (*.sql)|*.sql",
        .DefaultExtension = ".sql",
        .Extensions = "sql",
        .LineComment = "'",
        .MultiCommentLeft = "{",
        .MultiCommentRight = "}",
        .BlockStart = "",
        .BlockEnd = "",
        .HexIdentifier = "",
        .CommentStyle = CommentIn(clNavy),
        .NumberStyle = NumbersIn(clFuchsia, fsBold),
        .AllStyles = {
            KeywordGroup("SQL Standard Default", clGreen, Regular, {  // 51
                "Proc", "Procedure", "Begin", "End", "While", "BEGIN", "END", "FOR", "TO", "DO",
                "NOT", "IF", "ELSE", "WHILE", "REPEAT", "UNTIL", "BREAK", "CONTINUE", "EXEC",
                "Insert", "Values", "Update", "From", "Delete", "Declare", "Set", "Open", "Fetch",
                "Close", "Deallocate", "Return", "Rollback", "Transaction", "Trans", "and", "or",
                "Order", "By", "Group", "Having", "Where", "Left", "Right", "Join", "Inner",
                "Outer", "On", "Create", "Delete", "Select", "Like",
            }),
            Bracket("Double Quote", clBlue, Regular, '"', '"'),
            SymbolSet("Symbols Delimiters", clTeal, Regular, " ,;:.(){}[]=-*/^%<>#\r\n"),
        },
        .AutoCompletion = {
            "SELECT",
            "WHERE",
        },
        .HintParameter = Hints({}),
        .RegionDefinitions = {},
    };
}

// AdvPythonMemoStyler1
TMemoStylerSettings PythonStyle() {
    return {
        .Description = "Python Scripts",
        .StylerName = "Python",
        .Filter = "Python Files (*.py)|*.py",
        .DefaultExtension = ".py",
        .Extensions = "py",
        .LineComment = "#",
        .MultiCommentLeft = "\"\"\"",
        .MultiCommentRight = "\"\"\"",
        .BlockStart = "",
        .BlockEnd = "",
        .HexIdentifier = "$",
        .CommentStyle = CommentIn(clNavy),
        .NumberStyle = NumbersIn(clFuchsia, fsBold),
        .AllStyles = {
            KeywordGroup("Python keywords", clGreen, fsBold, {  // 28
                "AND", "ASSERT", "BREAK", "CLASS", "CONTINUE", "DEF", "DEL", "ELIF", "ELSE",
                "EXCEPT", "EXEC", "FINALLY", "FOR", "FROM", "GLOBAL", "IF", "IMPORT", "IN", "IS",
                "LAMBDA", "NOT", "OR", "PASS", "PRINT", "RAISE", "RETURN", "TRY", "WHILE",
            }),
            Bracket("Simple Quote", clBlue, Regular, '\'', '\''),
            Bracket("Double Quote", clBlue, Regular, '"', '"'),
            SymbolSet("Symbols Delimiters", clRed, Regular, " ;.,:\"{}[]()?!@#$%^&*-+=|\\/'\r\n"),
        },
        .AutoCompletion = {},
        .HintParameter = Hints({}),
        .RegionDefinitions = {},
    };
}

// AdvPerlMemoStyler1
TMemoStylerSettings PerlStyle() {
    return {
        .Description = "Perl",
        .StylerName = "Perl",
        .Filter = "Perl Files (*.pl,*.pm,*.cgi)|*.pl;*.pm;*.cgi",
        .DefaultExtension = ".pl",
        .Extensions = "pl;pm;cgi",
        .LineComment = "#",
        .MultiCommentLeft = "\"\"\"",
        .MultiCommentRight = "\"\"\"",
        .BlockStart = "",
        .BlockEnd = "",
        .HexIdentifier = "",
        .CommentStyle = CommentIn(clNavy),
        .NumberStyle = NumbersIn(clFuchsia, fsBold),
        .AllStyles = {
            KeywordGroup("Perl keywords", clGreen, fsBold, {  // 45
                "AND", "CMP", "CONTINUE", "DO", "ELSE", "ELSIF", "EQ", "FOR", "FOREACH", "GE",
                "GOTO", "GT", "IF", "LAST", "LE", "LT", "MY", "NE", "NEXT", "NOT", "OR", "PACKAGE",
                "RETURN", "SUB", "SWITCH", "UNLESS", "UNTIL", "USE", "WHILE", "XOR", "STDIN",
                "STDOUT", "STDERR", "ARGV", "ARGVOUT", "ENV", "INC", "SIG", "TRUE", "FALSE",
                "__FILE__", "__LINE__", "__PACKAGE__", "__END__", "__DATA__",
            }),
            KeywordGroup("Perl functions", clGreen, fsBold, {  // 186
                "abs", "accept", "alarm", "atan2", "bind", "binmode", "bless", "caller", "chdir",
                "chmod", "chomp", "chop", "chown", "chr", "chroot", "close", "closedir", "connect",
                "cos", "crypt", "dbmclose", "dbmopen", "defined", "delete", "die", "dump", "each",
                "eof", "eval", "exec", "exists", "exit", "exp", "fcntl", "fileno", "flock", "fork",
                "format", "formline", "getc", "getlogin", "getpeername", "getpgrp", "getppid",
                "getpriority", "getpwnam", "getgrnam", "gethostbyname", "getnetbyname",
                "getprotobyname", "getpwuid", "getgrgid", "getservbyname", "gethostbyaddr",
                "getnetbyaddr", "getprotobynumber", "getservbyport", "getpwent", "getgrent",
                "gethostent", "getnetent", "getprotoent", "getservent", "setpwent", "setgrent",
                "sethostent", "setnetent", "setprotoent", "setservent", "endpwent", "endgrent",
                "endhostent", "endnetent", "endprotoent", "endservent", "getsockname", "getsockopt",
                "glob", "gmtime", "grep", "hex", "import", "index", "int", "ioctl", "join", "keys",
                "kill", "lc", "lcfirst", "length", "link", "listen", "localtime", "log", "lstat",
                "mkdir", "msgctl", "msgget", "msgsnd", "msgrcv", "no", "oct", "open", "opendir",
                "ord", "pack", "pipe", "pop", "pos", "print", "printf", "prototype", "push",
                "quotemeta", "rand", "read", "readdir", "readlink", "ref", "rename", "reset",
                "reverse", "rewinddir", "rindex", "rmdir", "scalar", "seek", "seekdir", "select",
                "semctl", "semget", "semop", "send", "setpgrp", "setpriority", "setsockopt",
                "shift", "shmctl", "shmget", "shmread", "shmwrite", "shutdown", "sin", "sleep",
                "socket", "socketpair", "sort", "splice", "split", "sprintf", "sqrt", "srand",
                "stat", "study", "substr", "symlink", "syscall", "sysopen", "sysread", "sysseek",
                "system", "syswrite", "tell", "telldir", "tie", "tied", "time", "times", "truncate",
                "uc", "ucfirst", "umask", "undef", "unlink", "unpack", "untie", "unshift", "utime",
                "values", "vec", "wait", "waitpid", "wantarray", "warn", "write",
            }),
            Bracket("Simple Quote", clBlue, Regular, '\'', '\''),
            Bracket("Double Quote", clBlue, Regular, '"', '"'),
            SymbolSet("Symbols Delimiters", clRed, Regular, " ,(){}[]-+*/=~!&|<>?:;.\r\n"),
        },
        .AutoCompletion = {},
        .HintParameter = Hints({}),
        .RegionDefinitions = {},
    };
}

// AdvEmoticonMemoStyler1
TMemoStylerSettings EmoticonStyle() {
    return {
        .Description = "Emoticon Styler",
        .StylerName = "Emoticon",
        .Filter = "Emoticon|*.gif| All files|*.*",
        .DefaultExtension = "*",
        .Extensions = "gif",
        .LineComment = "",
        .MultiCommentLeft = "",
        .MultiCommentRight = "",
        .BlockStart = "",
        .BlockEnd = "",
        .HexIdentifier = "",
        .CommentStyle = CommentIn(clNavy),
        .NumberStyle = NumbersIn(clFuchsia, fsBold),
        .AllStyles = {
            KeywordGroup("Emoticons", clGreen, fsBold, {  // 10
                ":)", ":(", ";)", ":o", ":s", ":d", ":p", ":|", ":$", ":@",
            }),
        },
        .AutoCompletion = {},
        .HintParameter = Hints({}),
        .RegionDefinitions = {},
    };
}

// AdvINIMemoStyler1
TMemoStylerSettings INIStyle() {
    return {
        .Description = "Ini and Inf files",
        .StylerName = "Configuration Styler",
        .Filter = "Configuration files (*.ini;*.inf)|*.ini;*.inf|All files (*.*)|*.*",
        .DefaultExtension = ".ini",
        .Extensions = "ini;inf;reg",
        .LineComment = "#0",
        .MultiCommentLeft = "#0",
        .MultiCommentRight = "#0",
        .BlockStart = std::string(1, '\0'),
        .BlockEnd = std::string(1, '\0'),
        .HexIdentifier = "$",
        .CommentStyle = CommentIn(clSilver),
        .NumberStyle = NumbersIn(clSilver, fsItalic),
        .AllStyles = {
            Bracket("Bracket", clBlack, Regular, '[', ']'),
            SymbolSet("Equal", clBlack, Regular, "="),
        },
        .AutoCompletion = {},
        .HintParameter = Hints({}),
        .RegionDefinitions = {},
    };
}

// AdvXMLMemoStyler1
TMemoStylerSettings XMLStyle() {
    return {
        .Description = "XML Files (XML)",
        .StylerName = "XML Files",
        .Filter = "XML Files (*.xml)|*.xml",
        .DefaultExtension = ".xml",
        .Extensions = "xml",
        .LineComment = "//",
        .MultiCommentLeft = "<!--",
        .MultiCommentRight = "-->",
        .BlockStart = "",
        .BlockEnd = "",
        .HexIdentifier = "",
        .CommentStyle = CommentIn(clNavy),
        .NumberStyle = NumbersIn(clFuchsia, fsBold),
        .AllStyles = {
            KeywordGroup("XML Default", clGreen, Regular, {  // 3
                "val", "encoding", "xml version",
            }),
            Bracket("Single quote", clBlue, Regular, '\'', '\''),
            Bracket("Double Quote", clBlack, fsBold, '"', '"'),
            SymbolSet("XML delimiters", clTeal, Regular, " =<?/>#\r\n"),
        },
        .AutoCompletion = {},
        .HintParameter = Hints({}),
        .RegionDefinitions = {},
    };
}

}  // namespace fif::catalogue
