#!/usr/bin/env python3
"""Random well-formed BASIC programs for promptbasic.

Every program passes checking, terminates, and never stops with a runtime
error: loops run a bounded number of times, functions call only functions
defined before them (plus bounded recursion), divisors are made odd with
`OR 1`, array indices are masked into their bounds, and strings assigned in
loops are cut short. The programs cover the four types and the conversions
between them, the operators, the string functions, control flow, SUB and
FUNCTION with arguments by reference and by value, arrays, GOSUB and GOTO.

    generate.py --seed N --count K --out DIR     writes DIR/prog_N.bas ...
"""
import argparse
import os
import random
import re

INT_TYPES = ("%", "&")
SUFFIXES = ("%", "&", "#", "$")
JAPANESE = ("日本", "ｶﾅ", "表示", "ソ")


class Generator:
    def __init__(self, seed):
        self.r = random.Random(seed)
        self.lines = []
        self.indent = 0
        self.labels = 0
        self.loop_depth = 0
        self.loop_counters = 0
        self.functions = []   # (name, suffix, parameter suffixes), callable in expressions
        self.subs = []        # (name, parameter suffixes)
        self.scope = None     # variables of the routine being written
        self.exits = []       # the innermost loops' kinds, for EXIT
        self.busy = set()     # loop variables and counters: never assigned in the body
        self.constants = False
        self.shared = []
        self.shared_arrays = []

    # ---- output -------------------------------------------------------------
    def emit(self, text):
        self.lines.append("    " * self.indent + text)

    def chance(self, p):
        return self.r.random() < p

    def pick(self, seq):
        return self.r.choice(seq)

    # ---- variables ----------------------------------------------------------
    def variables(self, suffix):
        return [v for v in self.scope["vars"] if v.endswith(suffix)]

    def assignable(self, suffix):
        return [v for v in self.variables(suffix) if v not in self.busy]

    def array_element(self, suffix, depth):
        arrays = [a for a in self.scope["arrays"] if a[0].endswith(suffix)]
        if not arrays:
            return None
        name, dims = self.pick(arrays)
        indices = []
        for low, size in dims:  # size is a power of two: the mask keeps the index inside
            index = self.int_expr(depth + 1)
            indices.append(f"({index} AND {size - 1})" + (f" + {low}" if low else ""))
        return f"{name}({', '.join(indices)})"

    # ---- expressions --------------------------------------------------------
    def int_literal(self):
        kind = self.r.randrange(6)
        if kind == 0:
            return str(self.r.randrange(-40000, 40000))
        if kind == 1:
            return str(self.r.choice([32767, 32768, -32768, 65535, 2147483647, 100000, 0]))
        if kind == 2:
            return "&H" + format(self.r.randrange(0, 0x10000), "X")
        if kind == 3 and self.constants:
            return "Limit"
        return str(self.r.randrange(0, 20))

    def double_literal(self):
        if self.constants and self.chance(0.2):
            return "Ratio"
        return self.pick(["1.5", ".25", "-.5", "2.5E-07", "1E+20", "3.14159", "0", "1E+300",
                          "100000", "2147483648", str(self.r.randrange(1, 1000)) + ".75"])

    def string_literal(self):
        text = "".join(self.pick("abcXYZ ,.-!0123") for _ in range(self.r.randrange(0, 6)))
        if self.chance(0.2):
            text += self.pick(JAPANESE)
        return f'"{text}"'

    def call(self, suffix, depth):
        candidates = [f for f in self.functions if f[1] == suffix]
        if not candidates or depth > 3:
            return None
        name, _, params = self.pick(candidates)
        if name == "Depth":  # the recursion stays shallow
            return f"Depth&({self.int_expr(depth + 1)} AND 15)"
        return f"{name}{suffix}({', '.join(self.by_value(p, depth + 1) for p in params)})"

    def by_value(self, suffix, depth):
        """An argument that is never a bare variable, so a routine that
        changes its parameter cannot change a loop's counter."""
        value = self.expr(suffix, depth)
        if re.fullmatch(r"[A-Za-z]\w*[%&#$]?(\(.*\))?", value):
            # A variable or an array element would go by reference, where its
            # type must be the parameter's; a function call is wrapped too.
            return f'({value} + "")' if suffix == "$" else f"({value} + 0)"
        return value

    def int_expr(self, depth=0):
        if depth > 3 or self.chance(0.3):
            choice = self.r.randrange(3)
            if choice == 0 and self.variables("%") + self.variables("&"):
                return self.pick(self.variables("%") + self.variables("&"))
            return self.int_literal()
        a = lambda: self.int_expr(depth + 1)  # noqa: E731
        d = lambda: self.double_expr(depth + 1)  # noqa: E731
        s = lambda: self.string_expr(depth + 1)  # noqa: E731
        forms = [
            lambda: f"({a()} {self.pick(['+', '-', '*'])} {a()})",
            lambda: f"({a()} \\ ({a()} OR 1))",
            lambda: f"({a()} MOD ({a()} OR 1))",
            lambda: f"({d()} \\ ({a()} OR 1))",
            lambda: f"({a()} {self.pick(['AND', 'OR', 'XOR', 'EQV', 'IMP'])} {a()})",
            lambda: f"(NOT {a()})",
            lambda: f"-{a()}",
            lambda: f"({a()} {self.pick(['=', '<>', '<', '<=', '>', '>='])} {a()})",
            lambda: f"({d()} {self.pick(['=', '<>', '<', '>='])} {d()})",
            lambda: f"({s()} {self.pick(['=', '<>', '<', '>'])} {s()})",
            lambda: f"LEN({s()})",
            lambda: f"ASC({s()})",
            lambda: f"INSTR({s()}, {s()})",
            lambda: f"INSTR({a()} AND 7, {s()}, {s()})",
            lambda: f"INT({d()})",
            lambda: f"SGN({a()})",
            lambda: f"ABS({a()})",
        ]
        element = self.array_element(self.pick(INT_TYPES), depth)
        if element:
            forms.append(lambda: element)
        for suffix in INT_TYPES:
            called = self.call(suffix, depth)
            if called:
                forms.append(lambda c=called: c)
        return self.pick(forms)()

    def double_expr(self, depth=0):
        if depth > 3 or self.chance(0.3):
            if self.variables("#") and self.chance(0.5):
                return self.pick(self.variables("#"))
            return self.double_literal()
        a = lambda: self.int_expr(depth + 1)  # noqa: E731
        d = lambda: self.double_expr(depth + 1)  # noqa: E731
        s = lambda: self.string_expr(depth + 1)  # noqa: E731
        forms = [
            lambda: f"({d()} {self.pick(['+', '-', '*', '/'])} {d()})",
            lambda: f"({d()} + {a()})",
            lambda: f"({a()} / {a()})",
            lambda: f"({d()} ^ {self.pick(['2', '.5', '3', '-1'])})",
            lambda: f"SQR(ABS({d()}))",
            lambda: f"LOG(ABS({d()}) + 1)",
            lambda: f"EXP({d()} / 1E+10)",
            lambda: "RND",
            lambda: f"FIX({d()})",
            lambda: f"ABS({d()})",
            lambda: f"VAL({s()})",
            lambda: f"-{d()}",
            lambda: a(),
        ]
        element = self.array_element("#", depth)
        if element:
            forms.append(lambda: element)
        called = self.call("#", depth)
        if called:
            forms.append(lambda: called)
        return self.pick(forms)()

    def string_expr(self, depth=0):
        if depth > 3 or self.chance(0.3):
            if self.variables("$") and self.chance(0.5):
                return self.pick(self.variables("$"))
            return self.string_literal()
        a = lambda: self.int_expr(depth + 1)  # noqa: E731
        d = lambda: self.double_expr(depth + 1)  # noqa: E731
        s = lambda: self.string_expr(depth + 1)  # noqa: E731
        forms = [
            lambda: f"({s()} + {s()})",
            lambda: f"LEFT$({s()}, {a()} AND 15)",
            lambda: f"RIGHT$({s()}, {a()})",
            lambda: f"MID$({s()}, {a()} AND 7)",
            lambda: f"MID$({s()}, ({a()} AND 7) + 1, {a()} AND 7)",
            lambda: f"CHR$({a()} AND 255)",
            lambda: f"STR$({d()})",
            lambda: f"STR$({a()})",
            lambda: f"SPACE$({a()} AND 7)",
            lambda: f"STRING$({a()} AND 7, {a()} AND 255)",
            lambda: f"{self.pick(['UCASE$', 'LCASE$', 'LTRIM$', 'RTRIM$'])}({s()})",
            lambda: f"HEX$({a()})",
        ]
        element = self.array_element("$", depth)
        if element:
            forms.append(lambda: element)
        called = self.call("$", depth)
        if called:
            forms.append(lambda: called)
        return self.pick(forms)()

    def expr(self, suffix, depth=0):
        if suffix == "$":
            return self.string_expr(depth)
        if suffix == "#":
            return self.double_expr(depth)
        return self.int_expr(depth) if self.chance(0.8) else self.double_expr(depth)

    # ---- statements ---------------------------------------------------------
    def assignment(self):
        suffix = self.pick(SUFFIXES)
        targets = self.assignable(suffix)
        element = self.array_element(suffix, 1) if self.chance(0.3) else None
        if not targets and not element:
            return
        target = element or self.pick(targets)
        value = self.expr(suffix, 0)
        if suffix == "$" and self.loop_depth:
            value = f"LEFT$({value}, 40)"  # strings stay short however often a loop runs
        self.emit(f"{target} = {value}")

    def print_statement(self):
        items = []
        for _ in range(self.r.randrange(0, 4)):
            items.append(self.expr(self.pick(SUFFIXES), 1))
            items.append(self.pick([";", ",", ";"]))
        if items and self.chance(0.6):
            items.pop()
        self.emit(("PRINT " + " ".join(items)).rstrip())
        if items and items[-1] in (";", ","):
            self.emit("PRINT")

    def block(self, count):
        for _ in range(count):
            self.statement()

    def if_statement(self):
        if self.chance(0.4):
            self.emit(f"IF {self.int_expr(1)} THEN PRINT {self.int_expr(2)} ELSE PRINT {self.string_expr(2)}")
            return
        self.emit(f"IF {self.int_expr(1)} THEN")
        self.indent += 1
        self.block(self.r.randrange(1, 3))
        self.indent -= 1
        if self.chance(0.5):
            self.emit(f"ELSEIF {self.double_expr(1)} > {self.double_expr(1)} THEN")
            self.indent += 1
            self.block(1)
            self.indent -= 1
        if self.chance(0.5):
            self.emit("ELSE")
            self.indent += 1
            self.block(1)
            self.indent -= 1
        self.emit("END IF")

    def select_statement(self):
        suffix = self.pick(["%", "#", "$"])
        self.emit(f"SELECT CASE {self.expr(suffix, 1)}")
        for _ in range(self.r.randrange(1, 4)):
            if suffix == "$":
                case = self.pick([f"{self.string_literal()}, {self.string_literal()}", f'IS < "m"',
                                  f'"a" TO "k"'])
            else:
                low = self.r.randrange(-5, 5)
                case = self.pick([f"{low}, {low + 2}", f"{low} TO {low + 3}", f"IS > {low}"])
            self.emit(f"CASE {case}")
            self.indent += 1
            self.block(1)
            self.indent -= 1
        if self.chance(0.5):
            self.emit("CASE ELSE")
            self.indent += 1
            self.block(1)
            self.indent -= 1
        self.emit("END SELECT")

    def counter(self, suffix):
        self.loop_counters += 1
        name = f"k{self.loop_counters}{suffix}"
        self.scope["vars"].append(name)
        return name

    def loop_body(self, kind):
        self.loop_depth += 1
        self.exits.append(kind)
        self.indent += 1
        self.block(self.r.randrange(1, 4))
        if self.chance(0.2):
            self.emit(f"IF {self.int_expr(2)} THEN EXIT {kind}")
        self.indent -= 1
        self.exits.pop()
        self.loop_depth -= 1

    def for_statement(self):
        var = self.counter(self.pick(["%", "&", "#"]))
        start = self.r.randrange(-3, 4)
        step = self.pick([1, 1, 2, -1, -2])
        end = start + step * self.r.randrange(0, 5)
        step_text = f" STEP {step}" if step != 1 or self.chance(0.2) else ""
        self.busy.add(var)
        self.emit(f"FOR {var} = {start} TO {end}{step_text}")
        self.loop_body("FOR")
        self.emit(f"NEXT {var}" if self.chance(0.7) else "NEXT")
        self.busy.discard(var)

    def while_statement(self):
        var = self.counter("%")
        self.busy.add(var)
        limit = self.r.randrange(0, 4)
        self.emit(f"{var} = 0")
        if self.chance(0.5):
            self.emit(f"WHILE {var} < {limit}")
            self.indent += 1
            self.emit(f"{var} = {var} + 1")
            self.block(self.r.randrange(1, 3))
            self.indent -= 1
            self.emit("WEND")
        else:
            where = self.r.randrange(4)
            top = {0: f" WHILE {var} < {limit}", 1: f" UNTIL {var} >= {limit}"}.get(where, "")
            bottom = {2: f" WHILE {var} < {limit}", 3: f" UNTIL {var} >= {limit}"}.get(where, "")
            self.emit("DO" + top)
            self.indent += 1
            self.emit(f"{var} = {var} + 1")
            self.indent -= 1
            self.loop_body("DO")
            self.emit("LOOP" + bottom)
        self.busy.discard(var)

    def call_statement(self):
        if not self.subs:
            return
        name, params = self.pick(self.subs)
        args = []
        for suffix in params:
            by_reference = self.assignable(suffix)
            if by_reference and self.chance(0.5):
                args.append(self.pick(by_reference))
            else:
                args.append(self.by_value(suffix, 1))
        if self.chance(0.5):
            self.emit(f"CALL {name}({', '.join(args)})")
        else:
            self.emit(f"{name} {', '.join(args)}".rstrip())

    def goto_statement(self):
        self.labels += 1
        label = f"skip{self.labels}"
        self.emit(f"IF {self.int_expr(2)} THEN GOTO {label}")
        self.statement()
        self.emit(f"{label}:")

    def mid_statement(self):
        targets = self.assignable("$")
        if targets:
            self.emit(f"MID$({self.pick(targets)}, ({self.int_expr(2)} AND 7) + 1) = {self.string_expr(1)}")

    def graphics_statement(self):
        self.emit(self.pick([
            f"COLOR {self.r.randrange(0, 8)}",
            f"CLS {self.r.randrange(0, 4)}",
            f"CIRCLE ({self.r.randrange(0, 800)}, {self.r.randrange(0, 500)}), ({self.int_expr(2)} AND 63), "
            f"{self.r.randrange(0, 8)}",
        ]))

    def statement(self):
        deep = self.indent > 3
        kinds = [self.assignment] * 5 + [self.print_statement] * 3 + [self.call_statement, self.mid_statement]
        if not deep:
            kinds += [self.if_statement, self.select_statement, self.for_statement, self.while_statement,
                      self.goto_statement]
        if self.scope["main"]:
            kinds += [lambda: self.emit("GOSUB Helper"), self.graphics_statement]
        self.pick(kinds)()

    # ---- routines -----------------------------------------------------------
    def new_scope(self, main, params=()):
        self.scope = {"main": main, "vars": list(params), "arrays": list(self.shared_arrays)}
        self.scope["vars"] += self.shared
        for suffix in SUFFIXES:
            self.scope["vars"] += [f"{'m' if main else 'l'}{i}{suffix}" for i in range(2)]

    def routine(self, index):
        params = [self.pick(SUFFIXES) for _ in range(self.r.randrange(0, 3))]
        names = [f"p{i}{suffix}" for i, suffix in enumerate(params)]
        is_function = self.chance(0.6)
        suffix = self.pick(SUFFIXES)
        name = f"F{index}" if is_function else f"S{index}"
        header = ", ".join(names)
        self.emit(f"{'FUNCTION' if is_function else 'SUB'} {name}{suffix if is_function else ''} ({header})")
        self.indent += 1
        self.new_scope(False, names)
        self.block(self.r.randrange(1, 5))
        if is_function:
            self.emit(f"{name}{suffix} = {self.expr(suffix, 1)}")
        self.indent -= 1
        self.emit(f"END {'FUNCTION' if is_function else 'SUB'}")
        self.emit("")
        if is_function:
            self.functions.append((name, suffix, params))
        else:
            self.subs.append((name, params))

    def recursive_function(self):
        self.emit("FUNCTION Depth& (n AS INTEGER)")
        self.emit("    IF n <= 0 THEN Depth& = 1 ELSE Depth& = n * Depth&(n - 1) + 1")
        self.emit("END FUNCTION")
        self.emit("")

    def program(self):
        self.shared = []
        self.shared_arrays = []
        self.emit("' A random program from tests/generated/generate.py")
        # Shared variables and arrays, visible in every routine.
        for suffix, name, type_name in (("%", "gi", "INTEGER"), ("&", "gl", "LONG"),
                                        ("#", "gd", "DOUBLE"), ("$", "gs", "STRING")):
            if self.chance(0.5):
                self.emit(f"DIM SHARED {name} AS {type_name}")
                self.shared.append(name + suffix)
        for i in range(self.r.randrange(0, 3)):
            suffix = self.pick(SUFFIXES)
            dims = [(self.pick([0, 1, -2]), self.pick([1, 2, 4, 8])) for _ in range(self.r.randrange(1, 3))]
            bounds = ", ".join(f"{low} TO {low + size - 1}" if low or self.chance(0.5) else f"{size - 1}"
                               for low, size in dims)
            self.emit(f"DIM SHARED a{i}{suffix}({bounds})")
            self.shared_arrays.append((f"a{i}{suffix}", dims))
        self.constants = self.chance(0.5)
        if self.constants:
            self.emit(f"CONST Limit = {self.r.randrange(1, 100)}, Ratio = 1.25")
        self.emit(f"RANDOMIZE {self.r.randrange(0, 1000)}")
        # Routines first in the list, so each may call those before it.
        body_start = len(self.lines)
        routine_lines = []
        self.recursive_function()
        self.functions.append(("Depth", "&", ["%"]))
        for index in range(self.r.randrange(1, 5)):
            self.routine(index)
        routine_lines = self.lines[body_start:]
        del self.lines[body_start:]
        self.new_scope(True)
        for _ in range(self.r.randrange(4, 12)):
            self.statement()
        self.emit(f"PRINT Depth&({self.r.randrange(0, 6)})")
        self.emit("END")
        self.emit("")
        self.emit("Helper:")
        self.emit("    PRINT \"helper\";")
        self.emit("    RETURN")
        self.emit("")
        self.lines += routine_lines
        return "\n".join(self.lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=1)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    for seed in range(args.seed, args.seed + args.count):
        with open(os.path.join(args.out, f"prog_{seed}.bas"), "w", encoding="utf-8") as file:
            file.write(Generator(seed).program())


if __name__ == "__main__":
    main()
