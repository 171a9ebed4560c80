#!/usr/bin/env python3
"""Regenerates tests/settings/ini_reference/: INI files and what the Windows private-profile
functions read from them and write into them, as a black-box reference for the plug-in's own INI
reader and writer. The test suite reads the committed files and needs no Wine.

Needs wine (64-bit) and the mingw-w64 C compiler, and a locale whose ANSI code page is 936:
    apt-get install wine64 gcc-mingw-w64-x86-64
    tools/ini_probe/make_reference.py

For each case NAME it writes NAME.ini (the file before, absent when the case starts without one),
NAME.case (one line per step, text fields in hex, "-" for the empty text):
    get SECTION KEY VALUE     what the reader gives for the file before any write
    set SECTION KEY VALUE     a write, in order
    after SECTION KEY VALUE   what the reader gives once every write is done
and NAME.wine.ini, the file as the writes left it.
"""
import os
import pathlib
import shutil
import subprocess
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[2]
OUT = ROOT / "tests" / "settings" / "ini_reference"
PROBE_SOURCE = ROOT / "tools" / "ini_probe" / "ini_probe.c"


def gbk(text):
    return text.encode("gbk")


EXAMPLE = (
    "[不转发]\r\n不转发关键词=红包#返利#\r\n[转发群]\r\n转发群号=111#222#\r\n[小尾巴]\r\n附加小尾巴=欢迎光临\r\n"
    "[appkey]\r\nappkey=abc123\r\n[sid]\r\nsid=9001\r\n[pid]\r\npid=mm_1_2_3\r\n[jingdong]\r\njingdong=pt_key=x; pt_pin=y\r\n"
    "[taobao]\r\ntaobao1=￥\r\ntaobao2=￥\r\n[监控群]\r\n监控群号=333#444#\r\n[替换关键词]\r\n被替换=a#b#\r\n替换=x#y#\r\n"
)
EXAMPLE_KEYS = [("不转发", "不转发关键词"), ("转发群", "转发群号"), ("小尾巴", "附加小尾巴"), ("appkey", "appkey"),
                ("sid", "sid"), ("pid", "pid"), ("jingdong", "jingdong"), ("taobao", "taobao1"),
                ("taobao", "taobao2"), ("监控群", "监控群号"), ("替换关键词", "被替换"), ("替换关键词", "替换"),
                ("sn", "snkey")]


def keys(pairs):
    return [(gbk(s), gbk(k)) for s, k in pairs]


# name: (file bytes or None, keys to read, writes as (section, key, value))
CASES = {
    "example": (gbk(EXAMPLE), keys(EXAMPLE_KEYS), []),
    "lf_only": (gbk(EXAMPLE.replace("\r\n", "\n")), keys(EXAMPLE_KEYS), []),
    "broken_last_line": (gbk("[转发群]\r\n转发群号=111#222#\r\n[监控群]\r\n监控群号=333#4"),
                         keys([("转发群", "转发群号"), ("监控群", "监控群号")]), []),
    "lone_cr": (gbk("[a]\rk=1\r[b]\rk=2\r\n"), keys([("a", "k"), ("b", "k")]), []),
    "utf8_mark": (b"\xef\xbb\xbf" + EXAMPLE.encode("utf-8"), keys(EXAMPLE_KEYS),
                  [(gbk("转发群"), gbk("转发群号"), gbk("555#")), (gbk("新"), gbk("键"), gbk("值"))]),
    "duplicates": (gbk("[转发群]\r\n转发群号=1#\r\n转发群号=2#\r\n[other]\r\nk=o\r\n[转发群]\r\n转发群号=3#\r\nextra=e\r\n"),
                   keys([("转发群", "转发群号"), ("转发群", "extra"), ("other", "k")]),
                   [(gbk("转发群"), gbk("转发群号"), gbk("9#")), (gbk("转发群"), gbk("extra"), gbk("new"))]),
    "spacing_quotes": (b"top=0\r\n  [ sec ]  \r\n  key  =  value with  spaces  \t\r\nq1=\"quoted\"\r\nq2= ' both ' \r\n"
                       b"q3=\"open\r\nq4='mixed\"\r\nq5=\"\"\r\nq6=\"\r\nnovalue\r\n=empty name\r\n[sec2\r\nafter=1\r\n",
                       [(b"", b"top"), (b"sec", b"key"), (b"SEC", b"KEY"), (b"sec", b"q1"), (b"sec", b"q2"),
                        (b"sec", b"q3"), (b"sec", b"q4"), (b"sec", b"q5"), (b"sec", b"q6"), (b"sec", b"novalue"),
                        (b"sec", b""), (b"sec", b"after"), (b"sec2", b"after")], []),
    "case_folding": (gbk("[AppKey]\r\nAPPKEY=upper\r\n[万能APPKEY]\r\nAppkey=wan\r\n"),
                     keys([("appkey", "appkey"), ("APPKEY", "appKey"), ("万能appkey", "appkey")]),
                     [(gbk("appKEY"), gbk("appkey"), gbk("replaced")), (gbk("万能appkey"), gbk("APPKEY"), gbk(""))]),
    "brackets_in_names": (b"[a]b]\r\nk=ab\r\n[\xb0]]\r\nk=lead\r\n[\xb0\xa1\xb0]\r\nk=mid\r\n",
                          [(b"a]b", b"k"), (b"\xb0]", b"k"), (b"\xb0\xa1\xb0", b"k")], []),
    # A broken character right before a line end is left out: Windows lets it swallow the line
    # end, the plug-in's reader keeps lines apart (tests/settings/ini_document_test.cpp).
    "invalid_gbk": (b"[s]\r\nk1=a\x81b\r\nk2=\x80x\r\nk3=\xffz\r\nk\x81=name\r\nk4=\xa1\xa1\r\n",
                    [(b"s", b"k1"), (b"s", b"k2"), (b"s", b"k3"), (b"s", b"k\x81"), (b"s", b"k?"), (b"s", b"k4")], []),
    "long_value": (b"[long]\r\nascii=" + b"x" * 10300 + b"\r\nstraddle=" + b"y" * 10238 + gbk("啊") + b"z\r\n"
                   + b"fits=" + b"w" * 10237 + gbk("啊") + b"\r\n",
                   [(b"long", b"ascii"), (b"long", b"straddle"), (b"long", b"fits")], []),
    "new_file": (None, keys([("转发群", "转发群号"), ("监控群", "监控群号")]),
                 [(gbk("转发群"), gbk("转发群号"), gbk("111#222#")), (gbk("监控群"), gbk("监控群号"), gbk("222#111#")),
                  (gbk("转发群"), gbk("转发群号"), gbk("333#"))]),
    "edit_in_place": (gbk("; 注释\r\n[s1]\r\nk = old \r\n\r\n\r\n[s2]\r\nx=1\r\n\r\n[s3]\r\ny=2"),
                      keys([("s1", "k"), ("s1", "k3"), ("s2", "x"), ("s2", "K"), ("s3", "y"), ("s4", "z")]),
                      [(b"s1", b"k", b"new"), (b"s1", b"k3", b"3"), (b"s2", b"K", b""), (b"s4", b"z", b"  sp  "),
                       (b"s3", b"y", gbk("啊"))]),
    "value_with_line_break": (gbk("[小尾巴]\r\n附加小尾巴=old\r\n[next]\r\nn=1\r\n"),
                              keys([("小尾巴", "附加小尾巴"), ("next", "n")]),
                              [(gbk("小尾巴"), gbk("附加小尾巴"), gbk("第一行\r\n第二行"))]),
}


def hexed(data):
    return data.hex() if data else "-"


def build_probe(work):
    exe = work / "ini_probe.exe"
    subprocess.run(["x86_64-w64-mingw32-gcc", "-O2", "-o", str(exe), str(PROBE_SOURCE)], check=True)
    return exe


def run_probe(exe, commands):
    env = dict(os.environ, LC_ALL="zh_CN.UTF-8", WINEDEBUG="-all")
    wine = shutil.which("wine64") or "/usr/lib/wine/wine64"
    lines = "".join("\t".join(c) + "\n" for c in commands)
    out = subprocess.run([wine, str(exe)], input=lines.encode(), capture_output=True, env=env, check=True)
    answers = out.stdout.decode().split()
    assert len(answers) == len(commands), answers
    return answers


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        work = pathlib.Path(tmp)
        exe = build_probe(work)
        assert run_probe(exe, [("acp",)]) == ["936"], "the ANSI code page must be 936"
        for name, (content, queries, writes) in CASES.items():
            ini = work / (name + ".ini")
            for stale in (OUT / (name + ".ini"),):
                stale.unlink(missing_ok=True)
            if content is not None:
                ini.write_bytes(content)
                (OUT / (name + ".ini")).write_bytes(content)
            path = "Z:" + str(ini).replace("/", "\\")
            gets = [("get", path, hexed(s), hexed(k)) for s, k in queries]
            sets = [("set", path, hexed(s), hexed(k), hexed(v)) for s, k, v in writes]
            answers = run_probe(exe, gets + sets + gets)
            steps = [f"get\t{hexed(s)}\t{hexed(k)}\t{a}" for (s, k), a in zip(queries, answers)]
            steps += [f"set\t{hexed(s)}\t{hexed(k)}\t{hexed(v)}" for s, k, v in writes]
            after = answers[len(gets) + len(sets):]
            steps += [f"after\t{hexed(s)}\t{hexed(k)}\t{a}" for (s, k), a in zip(queries, after)]
            (OUT / (name + ".case")).write_text("\n".join(steps) + "\n")
            wine_ini = OUT / (name + ".wine.ini")
            wine_ini.unlink(missing_ok=True)
            if ini.exists():
                shutil.copyfile(ini, wine_ini)


if __name__ == "__main__":
    main()
