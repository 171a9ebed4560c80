#!/usr/bin/env python3
"""Stand-in services for the link converters and the keyword replies.

One HTTPS server and one HTTP server on 127.0.0.1 answer like the services the plug-in talks to:
the affiliate service (token conversion, short links, product search and lookup), the universal
API, JD (landing pages, the redirect to the product, the affiliate tool's /cps/zl), the Suning
open-platform gateway, the operator's short-link service and the shopping-page site. The plug-in
reaches them through TAOKE_CONNECT_TO; the services are told apart by path and Host header.

Every request is recorded in arrival order (GET /__requests, and one JSON line per request in the
log file). Answers follow from the request itself, so a test picks the outcome by what it sends:

  token or link containing SORRY     the affiliate service apologises ("很抱歉")
  token or link containing NOTOK     the affiliate service answers without a token and without apology
  token or link containing NOCOUPON  the product has no coupon (empty coupon_id)
  search words containing 引号       the product's title carries an escaped double quote
  search words containing 转义       the product's title carries %u escapes
  JD link code sku.. / ware.. / both.. / none.. / gone..
                                     redirect target with sku=, with wareId=, with both, with no
                                     product id marker; a landing page without hrl
  JD cookie without pt_key=          the affiliate tool asks for a login

A service can also be made to misbehave until reset:  GET /__mode?service=NAME&mode=MODE
  services: tkl shorturl search lookup wan jd-landing jd-redirect jd-zl suning dwz
  modes: normal refuse timeout html truncated huge wronglen
POST /__reset forgets the recorded requests, the mirror bytes and every mode.

With --mirror the stand-ins also play the mirror peer on 127.0.0.1:19730 and record the bytes
received (GET /__mirror).

Start: standins.py [--ready-file FILE] [--log FILE] [--mirror]. When both servers listen, one JSON
line {"https": port, "http": port, "connect_to": "..."} goes to standard output (and to the ready
file); the servers run until SIGTERM or SIGINT.
"""

import argparse
import base64
import hashlib
import json
import os
import signal
import socket
import socketserver
import ssl
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

TKL_PATH = "/api/open_gaoyongzhuanlian_tkl.ashx"
SHORTURL_PATH = "/api/open_shorturl_taobao_get.ashx"
SEARCH_PATH = "/api/api_quanwang.ashx"
LOOKUP_PATH = "/api/open_gaoyongzhuanlian.ashx"
WAN_PATH = "/api/zhushou_tkl_wan_taokouling.ashx"
JD_ZL_PATH = "/cps/zl"
SUNING_PREFIX = "/api/http/sopRequest/"
SUNING_METHOD = "suning.netalliance.bacthcustomlink.query"
SHOP_PATH = "/taoke/index.php"
MIRROR_PORT = 19730

# Products whose titles carry escapes: a double quote (escaped in the JSON text) and %u escapes.
ESCAPED_QUOTE_PRODUCT = "600000000001"
ESCAPED_TITLE_PRODUCT = "600000000002"

# The one Suning application the gateway knows: app key -> app secret.
SUNING_APPS = {"demo-sn-key": "demo-sn-secret"}

HUGE_ANSWER_BYTES = 10 * 1024 * 1024
TIMEOUT_SLEEP_SECONDS = 40

ALNUM = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"


def derived(seed, length):
    """A stable run of letters and digits derived from the seed: the same input gives the same answer."""
    digest = hashlib.sha256(seed.encode("latin-1")).digest()
    return "".join(ALNUM[b % len(ALNUM)] for b in digest[:length])


def derived_digits(seed, length):
    digest = hashlib.sha256(seed.encode("latin-1")).digest()
    return "".join(str(b % 10) for b in digest[:length])


def utf8_text(latin1):
    """Query values arrive as bytes (kept as latin-1); the services read them as UTF-8 or GBK."""
    raw = latin1.encode("latin-1")
    for codec in ("utf-8", "gbk"):
        try:
            return raw.decode(codec)
        except UnicodeDecodeError:
            pass
    return raw.decode("latin-1")


def compact(value):
    return json.dumps(value, ensure_ascii=False, separators=(",", ":"))


class Recorder:
    """Requests, mirror bytes and service modes, shared by both servers' threads."""

    def __init__(self, log_path):
        self.lock = threading.Lock()
        self.requests = []
        self.mirror = []
        self.modes = {}
        self.coins = 100
        self.log_path = log_path

    def record(self, entry):
        with self.lock:
            entry["seq"] = len(self.requests) + 1
            self.requests.append(entry)
            if self.log_path:
                with open(self.log_path, "a", encoding="ascii") as log:
                    log.write(json.dumps(entry) + "\n")

    def mode(self, service):
        with self.lock:
            return self.modes.get(service, "normal")

    def reset(self):
        with self.lock:
            self.requests.clear()
            self.mirror.clear()
            self.modes.clear()
            self.coins = 100

    def next_coins(self):
        with self.lock:
            self.coins -= 1
            return self.coins


def product_members(seed, title, coupon):
    """The product members that the token conversion and the product lookup both carry."""
    coupon_id = "" if not coupon else derived(seed + "/coupon", 16)
    return {
        "tao_id": "6" + derived_digits(seed, 11),
        "title": title,
        "jianjie": "限时特惠 " + title,
        "size": "59.90",
        "quanhou_jiage": "39.90",
        "coupon_info": "满59元减20元" if coupon else "",
        "coupon_start_time": "2026-12-01",
        "coupon_end_time": "2026-12-31",
        "coupon_id": coupon_id,
        "coupon_click_url": "https://uland.taobao.com/coupon/edetail?e=" + derived(seed, 12)
        + "&pid=mm_1_2_3&af=1",
        "item_url": "https://item.taobao.com/item.htm?id=" + derived_digits(seed, 11),
    }


class StandinHandler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "standins/1"
    recorder = None  # set by main
    scheme = "http"

    def log_message(self, fmt, *args):
        pass

    # ---- plumbing -------------------------------------------------------------------------
    def do_GET(self):
        self.handle_any("GET")

    def do_POST(self):
        self.handle_any("POST")

    def do_HEAD(self):
        self.handle_any("HEAD")

    def handle_any(self, method):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length > 0 else b""
        target = self.path
        path, _, query = target.partition("?")
        if path.startswith("/__"):
            self.control(method, path, query)
            return
        host = self.headers.get("Host", "")
        entry = {
            "scheme": self.scheme,
            "method": method,
            "host": host,
            "target": target,
            "url": self.scheme + "://" + host + target,
            "path": path,
            "query": urllib.parse.parse_qsl(query, keep_blank_values=True, encoding="latin-1"),
            "headers": [[k, v] for k, v in self.headers.items()],
            "body": body.decode("latin-1"),
        }
        self.recorder.record(entry)
        self.query = dict(entry["query"])
        self.body = body
        self.route(host.split(":")[0].lower(), path)

    def answer(self, status, content, content_type="application/json; charset=utf-8", extra=()):
        data = content.encode("utf-8") if isinstance(content, str) else content
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(data)))
        for name, value in extra:
            self.send_header(name, value)
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(data)

    def misbehave(self, service, normal_answer):
        """Sends the normal answer, or what the service's mode says instead. normal_answer(wrong)
        builds the answer text; wrong asks for a token or link of the wrong length."""
        mode = self.recorder.mode(service)
        if mode == "refuse":
            self.close_connection = True
            self.connection.shutdown(socket.SHUT_RDWR)
            return
        if mode == "timeout":
            time.sleep(TIMEOUT_SLEEP_SECONDS)
            self.close_connection = True
            return
        if mode == "html":
            self.answer(502, "<html><head><meta charset=\"utf-8\"><title>502</title></head>"
                        "<body>网关错误</body></html>", "text/html; charset=utf-8")
            return
        if mode == "huge":
            self.answer(200, b'{"status":200,"content":"' + b"x" * HUGE_ANSWER_BYTES + b'"}')
            return
        text = normal_answer(mode == "wronglen")
        if mode == "truncated":
            data = text.encode("utf-8")
            self.answer(200, data[: len(data) // 2])
            return
        self.answer(200, text)

    def control(self, method, path, query):
        params = dict(urllib.parse.parse_qsl(query, keep_blank_values=True))
        if path == "/__requests":
            with self.recorder.lock:
                data = json.dumps(self.recorder.requests)
            self.answer(200, data)
        elif path == "/__mirror":
            with self.recorder.lock:
                data = json.dumps(self.recorder.mirror)
            self.answer(200, data)
        elif path == "/__reset":
            self.recorder.reset()
            self.answer(200, "{}")
        elif path == "/__mode":
            with self.recorder.lock:
                self.recorder.modes[params.get("service", "")] = params.get("mode", "normal")
            self.answer(200, "{}")
        else:
            self.answer(404, "{}")

    # ---- services ---------------------------------------------------------------------------
    def route(self, host, path):
        if path == TKL_PATH:
            self.misbehave("tkl", self.token_conversion)
        elif path == SHORTURL_PATH:
            self.misbehave("shorturl", self.taobao_short_link)
        elif path == SEARCH_PATH:
            self.misbehave("search", self.product_search)
        elif path == LOOKUP_PATH:
            self.misbehave("lookup", self.product_lookup)
        elif path == WAN_PATH:
            self.misbehave("wan", self.universal_token)
        elif path == JD_ZL_PATH:
            self.misbehave("jd-zl", self.jd_conversion)
        elif path.startswith(SUNING_PREFIX):
            self.misbehave("suning", self.suning_links)
        elif path == SHOP_PATH:
            self.answer(200, "<html><body>选购页面</body></html>", "text/html; charset=utf-8")
        elif host == "u.jd.com" and path == "/jda":
            self.jd_redirect()
        elif host == "u.jd.com":
            self.misbehave("jd-landing", self.jd_landing)
        elif "url" in self.query:
            self.misbehave("dwz", self.operator_short_link)
        else:
            self.answer(404, "not found", "text/plain")

    def token_conversion(self, wrong):
        tkl = self.query.get("tkl", "")
        if "SORRY" in tkl:
            return compact({"status": 301, "content": "很抱歉！该商品不支持转链或不存在"})
        if "NOTOK" in tkl or not tkl:
            return compact({"status": 302, "content": "参数错误"})
        members = product_members(tkl, "精选好物" + derived(tkl, 4), "NOCOUPON" not in tkl)
        members["tkl"] = "￥" + derived(tkl, 7 if wrong else 11) + "￥"
        return compact({"status": 200, "content": [members]})

    def taobao_short_link(self, wrong):
        content = self.query.get("content", "")
        if not content:
            return compact({"status": 301, "content": "content不能为空"})
        return compact({"status": 200, "shorturl": "https://s.click.taobao.com/"
                        + derived(content, 5 if wrong else 7)})

    def product_search(self, wrong):
        raw_words = self.query.get("q", "")
        words = utf8_text(raw_words)
        if not words:
            return compact({"status": 200, "content": []})
        tao_id = "6" + derived_digits(raw_words, 11)
        if "引号" in words:
            tao_id = ESCAPED_QUOTE_PRODUCT
        elif "转义" in words:
            tao_id = ESCAPED_TITLE_PRODUCT
        return compact({"status": 200, "content": [{"tao_id": tao_id, "title": words}]})

    def product_lookup(self, wrong):
        num_iid = self.query.get("num_iid", "")
        if not num_iid:
            return compact({"status": 301, "content": "num_iid不能为空"})
        title = {ESCAPED_QUOTE_PRODUCT: "他说\"好\"的手机壳",
                 ESCAPED_TITLE_PRODUCT: "%u4e2d%u6587好物"}.get(num_iid, "手机壳" + num_iid[-4:])
        members = product_members(num_iid, title, True)
        members["tkl"] = "￥" + derived(num_iid, 7 if wrong else 11) + "￥"
        return compact({"status": 200, "content": [members]})

    def universal_token(self, wrong):
        token = self.query.get("taokouling", "")
        coins = self.recorder.next_coins()
        return compact({"status": 200, "tkl": "￥" + derived("wan" + token, 7 if wrong else 11) + "￥",
                        "jb": str(coins)})

    def jd_landing(self, wrong):
        code = self.path.lstrip("/").partition("?")[0]
        if code.startswith("gone"):
            return "<html><body>链接已失效</body></html>"
        hrl = "https://u.jd.com/jda?e=&p=AyIGZRprFQ&t=W1dCFBBFC14NXAZTWEdKShhB&code=" + code
        return ("<html><head><script>var hrl='" + hrl + "';var ua=navigator.userAgent;"
                "</script></head><body>正在跳转</body></html>")

    def jd_redirect(self):
        code = self.query.get("code", "")
        product = "100" + derived_digits(code, 9)
        if code.startswith("sku"):
            location = "https://re.jd.com/search?keyword=x&sku=" + product + "&q=abc"
        elif code.startswith("ware"):
            location = "https://item.m.jd.com/ware/view.action?wareId=" + product + "&cu=true"
        elif code.startswith("both"):
            location = ("https://re.jd.com/cps?sku=1" + product + "&q=z&wareId=" + product
                        + "&cu=true")
        elif code.startswith("none"):
            location = "https://www.jd.com/?from=union"
        else:
            location = "https://item.jd.com/" + product + ".html?cu=true"
        mode = self.recorder.mode("jd-redirect")
        if mode != "normal":
            self.misbehave("jd-redirect", lambda wrong: "<html>moved</html>")
            return
        self.answer(302, "<html>moved</html>", "text/html", [("Location", location)])

    def jd_conversion(self, wrong):
        cookie = self.headers.get("Cookie", "")
        if "pt_key=" not in cookie:
            return compact({"code": 1, "message": "请先登录"})
        content = self.query.get("content", "")
        prefix, suffix = "https://item.jd.com/", ".html"
        product = content[len(prefix):-len(suffix)] if content.startswith(prefix) and \
            content.endswith(suffix) else ""
        if not product or self.query.get("shareSource") != "1_2_1":
            return compact({"code": 2, "message": "商品不在推广中"})
        link = "https://u.jd.com/" + derived(product, 5 if wrong else 6)
        message = "京东好物" + product[-4:] + "\n京东价：￥99.00\n抢购链接：" + link + "\n"
        return compact({"code": 0, "data": {"message": message, "skuId": product}})

    def suning_links(self, wrong):
        headers = self.headers
        app_key = headers.get("AppKey", "")
        request_time = headers.get("AppRequestTime", "")
        method = self.path[len(SUNING_PREFIX):].partition("?")[0]
        secret = SUNING_APPS.get(app_key)
        body = self.body.decode("latin-1")
        expected = None
        if secret is not None:
            plain = secret + method + request_time + app_key + headers.get("VersionNo", "") \
                + base64.b64encode(self.body).decode("ascii")
            expected = hashlib.md5(plain.encode("latin-1")).hexdigest()
        if method != SUNING_METHOD or headers.get("AppMethod") != method \
                or expected is None or headers.get("signInfo") != expected:
            return compact({"sn_responseContent": {"sn_error": {"error_code": "sys.check.sign-error"}}})
        try:
            query = json.loads(body)["sn_request"]["sn_body"]["queryBacthcustomlink"]
            link, position = query["extend"], query["promotionId"]
        except (ValueError, KeyError, TypeError):
            return compact({"sn_responseContent": {"sn_error": {"error_code": "biz.param.error"}}})
        new_link = "https://sugs.suning.com/" + derived(link + position, 6 if wrong else 8)
        return compact({"sn_responseContent": {"sn_body": {"queryBacthcustomlink": {
            "promotionId": position, "shortLink": "[" + new_link + "]"}}}})

    def operator_short_link(self, wrong):
        url = self.query.get("url", "")
        return "http://dwz.demo/" + derived(url, 4 if wrong else 6)


class MirrorHandler(socketserver.BaseRequestHandler):
    recorder = None

    def handle(self):
        while True:
            data = self.request.recv(65536)
            if not data:
                return
            with self.recorder.lock:
                self.recorder.mirror.append(data.decode("latin-1"))


class ReusableTcpServer(socketserver.ThreadingTCPServer):
    allow_reuse_address = True
    daemon_threads = True


def make_certificate(directory):
    cert, key = os.path.join(directory, "cert.pem"), os.path.join(directory, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt",
                    "ec_paramgen_curve:prime256v1", "-nodes", "-keyout", key, "-out", cert,
                    "-days", "2", "-subj", "/CN=standins"],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return cert, key


def serve(server):
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    return thread


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--ready-file", help="write the ports line here as well")
    parser.add_argument("--log", help="append one JSON line per request to this file")
    parser.add_argument("--mirror", action="store_true", help="also listen on 127.0.0.1:19730")
    parser.add_argument("--https-port", type=int, default=0)
    parser.add_argument("--http-port", type=int, default=0)
    args = parser.parse_args()

    recorder = Recorder(args.log)
    StandinHandler.recorder = recorder
    MirrorHandler.recorder = recorder

    class HttpsHandler(StandinHandler):
        scheme = "https"

    class StandinServer(ThreadingHTTPServer):
        daemon_threads = True
        allow_reuse_address = True

    with tempfile.TemporaryDirectory(prefix="standins-") as directory:
        cert, key = make_certificate(directory)
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(cert, key)
        https = StandinServer(("127.0.0.1", args.https_port), HttpsHandler)
        https.socket = context.wrap_socket(https.socket, server_side=True)
        http = StandinServer(("127.0.0.1", args.http_port), StandinHandler)
        servers = [https, http]
        if args.mirror:
            servers.append(ReusableTcpServer(("127.0.0.1", MIRROR_PORT), MirrorHandler))
        for server in servers:
            serve(server)

        hp, p = https.server_address[1], http.server_address[1]
        connect_to = ",".join([":443:127.0.0.1:%d" % hp, ":10001:127.0.0.1:%d" % hp,
                               ":10003:127.0.0.1:%d" % hp, ":10000:127.0.0.1:%d" % p,
                               ":80:127.0.0.1:%d" % p])
        ready = json.dumps({"https": hp, "http": p, "connect_to": connect_to})
        if args.ready_file:
            with open(args.ready_file + ".tmp", "w", encoding="ascii") as out:
                out.write(ready + "\n")
            os.replace(args.ready_file + ".tmp", args.ready_file)
        print(ready, flush=True)

        stop = threading.Event()
        signal.signal(signal.SIGTERM, lambda *_: stop.set())
        signal.signal(signal.SIGINT, lambda *_: stop.set())
        while not stop.wait(0.5):
            pass
        for server in servers:
            server.shutdown()
    return 0


if __name__ == "__main__":
    sys.exit(main())
