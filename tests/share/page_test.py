#!/usr/bin/env python3
"""The followed run's page as its readers get it, from `vorns-fit --follow --serve`.

  page_test.py browser VORNS_FIT VORNS_ACQUISITION
      A real headless browser (chromium through its WebDriver) keeps the page
      open while the test appends a simulated run to the followed file: at two
      moments its figures and its run.json equal `vorns-fit --json` on the same
      bytes; when the appends stop, the alarm is on the page within two refresh
      periods of vorns-fit saying it. Exits 77 (skipped) without chromium.
  page_test.py attacks VORNS_FIT VORNS_ACQUISITION
      Requests that must get nothing of the run, on 127.0.0.1 only, bounded in
      count and time, while the run reloads: none gets a byte of it, the server
      stays up and nothing is written to disk.
"""
import http.client
import json
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request

SKIP = 77
PERIOD = 1.0  # the refresh period given to vorns-fit, in seconds


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Run:
    """A simulated run appended to the followed file in chunks, and vorns-fit following it with its page."""

    def __init__(self, fit, acquisition, work, events, period, extra=()):
        self.fit = fit
        self.work = work
        source = os.path.join(work, "source.txt")
        subprocess.run([acquisition, "-o", source, "--events", str(events), "--rate", "20", "--seed", "7"],
                       check=True, stdout=subprocess.DEVNULL)
        with open(source, "rb") as f:
            lines = f.read().splitlines(keepends=True)
        self.header, self.events = lines[:3], lines[3:]
        self.file = os.path.join(work, "run.txt")
        self.written = 0
        with open(self.file, "wb") as f:
            f.writelines(self.header)
        self.home = os.path.join(work, "home")
        os.mkdir(self.home)
        env = dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=self.home, LC_ALL="C.UTF-8")
        self.proc = subprocess.Popen([fit, self.file, "--follow", "--json", "--period", str(period), "--serve", "0",
                                      *extra], stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env,
                                     cwd=work, text=True)
        self.alarm_said = None
        self.url = None
        got_url = threading.Event()

        self.said = []

        def read_stderr():
            for line in self.proc.stderr:
                self.said.append(line.rstrip())
                if line.startswith("http://") and not self.url:
                    self.url = line.strip()
                    got_url.set()
                elif "arrêtée" in line and self.alarm_said is None:
                    self.alarm_said = time.monotonic()

        threading.Thread(target=read_stderr, daemon=True).start()
        threading.Thread(target=lambda: [None for _ in self.proc.stdout], daemon=True).start()
        if not got_url.wait(20):
            self.stop()
            raise SystemExit("vorns-fit --serve said no address")

    def append(self, count):
        with open(self.file, "ab") as f:
            f.writelines(self.events[self.written:self.written + count])
        self.written += count

    def fit_json(self):
        """vorns-fit --json on the followed file as it stands (not growing meanwhile)."""
        out = subprocess.run([self.fit, self.file, "--json"], capture_output=True, text=True,
                             env=dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=self.home, LC_ALL="C.UTF-8"))
        return json.loads(out.stdout)

    def stop(self):
        self.proc.terminate()
        try:
            self.proc.wait(10)
        except subprocess.TimeoutExpired:
            self.proc.kill()


# ---------------------------------------------------------------- the browser

class Browser:
    """chromium driven through chromedriver's WebDriver protocol (plain HTTP and JSON)."""

    def __init__(self, work):
        self.port = free_port()
        self.driver = subprocess.Popen(["chromedriver", f"--port={self.port}"], stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 20
        while True:
            try:
                if self.call("GET", "/status")["ready"]:
                    break
            except OSError:
                pass
            if time.monotonic() > deadline:
                raise SystemExit("chromedriver did not start")
            time.sleep(0.1)
        profile = os.path.join(work, "profile")
        os.mkdir(profile)
        args = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                "--disable-background-networking", "--disable-component-update", "--disable-sync",
                f"--user-data-dir={profile}", "--window-size=800,1400"]
        caps = {"capabilities": {"alwaysMatch": {"browserName": "chrome", "goog:chromeOptions": {
            "binary": shutil.which("chromium"), "args": args}}}}
        self.session = self.call("POST", "/session", caps)["sessionId"]

    def call(self, method, path, body=None):
        data = json.dumps(body).encode() if body is not None else None
        request = urllib.request.Request(f"http://127.0.0.1:{self.port}{path}", data=data, method=method,
                                         headers={"Content-Type": "application/json"})
        with urllib.request.urlopen(request, timeout=60) as r:
            return json.loads(r.read())["value"]

    def open(self, url):
        self.call("POST", f"/session/{self.session}/url", {"url": url})

    def run(self, script, *args):
        return self.call("POST", f"/session/{self.session}/execute/sync", {"script": script, "args": list(args)})

    def fetch(self, path):
        """A resource of the page fetched by the page itself."""
        return self.call("POST", f"/session/{self.session}/execute/async", {"script": (
            "var done = arguments[arguments.length - 1];"
            "fetch(arguments[0]).then(r => r.text()).then(done, e => done('failed: ' + e));"), "args": [path]})

    def close(self):
        try:
            self.call("DELETE", f"/session/{self.session}")
        finally:
            self.driver.terminate()
            self.driver.wait(10)


FIGURES = ("records", "tau", "events", "rate", "live-time", "model", "updated")
READ = "return Object.fromEntries(%s.map(id => [id, (document.getElementById(id) || {}).textContent || null]))" % (
    json.dumps(list(FIGURES + ("alarm",))))


def number_and_error(text):
    """'227 ± 13', 'taux moyen : 71800 ± 2500 /h' -> (227.0, 13.0)."""
    m = re.search(r"(-?[0-9]+(?:[.,][0-9]+)?)\s*±\s*([0-9]+(?:[.,][0-9]+)?)", text)
    assert m, f"no value ± error in {text!r}"
    return tuple(float(g.replace(",", ".")) for g in m.groups())


def check_moment(browser, run, records, failures):
    """The page shows `records` (the lines appended but the first, the time origin); its figures and run.json equal vorns-fit --json's on the file's bytes."""
    deadline = time.monotonic() + 2 * PERIOD + 10
    shown = browser.run(READ)
    while shown["records"] != str(records) and time.monotonic() < deadline:
        time.sleep(0.1)
        shown = browser.run(READ)
    if shown["records"] != str(records):
        failures.append(f"the page shows {shown['records']} records, not {records}")
        return
    expected = run.fit_json()
    page_json = json.loads(browser.fetch("run.json"))
    for key, value in expected.items():
        if key != "message" and page_json.get(key) != value:
            failures.append(f"{records} records: run.json's {key} is {page_json.get(key)!r}, vorns-fit --json's {value!r}")
    extra = set(page_json) - set(expected)
    if extra != {"alarm", "updated"}:
        failures.append(f"run.json's keys beyond vorns-fit --json's: {sorted(extra)}")
    tau, tau_error = number_and_error(shown["tau"])
    # The error shown is the larger of sigma and half the profile interval.
    half = expected["tau_error"]
    if "background_at_limit" in expected["warnings"]:
        half = max(half, (expected["tau_upper"] - expected["tau_lower"]) / 2)
    if abs(tau - expected["tau"]) > 0.051 * tau_error or abs(tau_error - half) > 0.051 * tau_error:
        failures.append(f"{records} records: the page's tau {shown['tau']!r}, vorns-fit's {expected['tau']} ± "
                        f"{expected['tau_error']}")
    if shown["events"] != str(int(expected["events"])):
        failures.append(f"{records} records: the page's events {shown['events']!r}, vorns-fit's {expected['events']}")
    rate, rate_error = number_and_error(shown["rate"])
    if abs(rate - expected["rate_per_hour"]) > 0.051 * rate_error:
        failures.append(f"{records} records: the page's rate {shown['rate']!r}, vorns-fit's {expected['rate_per_hour']}")
    images = browser.run("return [...document.images].map(i => i.complete && i.naturalWidth > 0)")
    if images != [True, True]:
        failures.append(f"{records} records: the page's two plots are not both drawn: {images}")
    # The plots' letters in a family a browser knows, not a toolkit's own name for it.
    families = set(re.findall(r'font-family="([^"]*)"', browser.fetch("histogram.svg")))
    if families != {"sans-serif"}:
        failures.append(f"{records} records: the histogram's fonts {sorted(families)}")


def browser_test(fit, acquisition):
    if not shutil.which("chromium") or not shutil.which("chromedriver"):
        print("SKIPPED: chromium and chromium-driver are not installed (scripts/setup.sh installs them)")
        return SKIP
    failures = []
    with tempfile.TemporaryDirectory() as work:
        run = Run(fit, acquisition, work, 2400, PERIOD)
        browser = None
        try:
            run.append(1000)
            browser = Browser(work)
            browser.open(run.url)
            check_moment(browser, run, 999, failures)
            # The same page, without a new navigation: its script brings the next moment.
            run.append(1000)
            check_moment(browser, run, 1999, failures)
            # The detector pauses: nothing more is appended.
            deadline = time.monotonic() + 30
            seen = None
            while time.monotonic() < deadline and seen is None:
                if browser.run("return document.getElementById('alarm') !== null"):
                    seen = time.monotonic()
                time.sleep(0.05)
            if seen is None or run.alarm_said is None:
                failures.append(f"no alarm: on stderr {run.alarm_said}, on the page {seen}")
            elif seen - run.alarm_said > 2 * PERIOD:
                failures.append(f"the page showed the alarm {seen - run.alarm_said:.2f} s after vorns-fit said it "
                                f"(refresh period {PERIOD} s)")
            else:
                colour = browser.run("return getComputedStyle(document.getElementById('alarm')).backgroundColor")
                if colour != "rgb(204, 0, 0)":
                    failures.append(f"the alarm is not on red: {colour}")
            # Without JavaScript (headless chromium reads nothing then): the page as served holds its
            # figures and the alarm, and asks itself again at the refresh period.
            with urllib.request.urlopen(run.url, timeout=10) as r:
                served = r.read().decode()
            if (not re.search(r'<dd id="tau">[0-9.,]+ ± [0-9.,]+</dd>', served) or 'id="alarm"' not in served or
                    f'<noscript><meta http-equiv="refresh" content="{int(PERIOD)}"></noscript>' not in served):
                failures.append("the page as served, without its script, lacks tau, the alarm or its refresh")
        finally:
            if browser:
                browser.close()
            run.stop()
    for f in failures:
        print("FAILED:", f)
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


# ---------------------------------------------------------------- the attacks

def raw(port, data, timeout=5.0):
    """Sends bytes, returns all the server answers until it closes or goes quiet."""
    with socket.create_connection(("127.0.0.1", port), timeout=timeout) as s:
        try:
            s.sendall(data)
        except OSError:
            pass
        answer = b""
        try:
            while True:
                chunk = s.recv(65536)
                if not chunk:
                    break
                answer += chunk
                if b"\r\n\r\n" in answer:
                    head, _, body = answer.partition(b"\r\n\r\n")
                    m = re.search(rb"Content-Length: (\d+)", head, re.I)
                    if m and len(body) >= int(m.group(1)):
                        break
        except OSError:
            pass
        return answer


def status_and_body(answer):
    head, _, body = answer.partition(b"\r\n\r\n")
    m = re.match(rb"HTTP/1\.[01] (\d{3})", head)
    return (int(m.group(1)) if m else None), body, head


def attacks_test(fit, acquisition):
    failures = []
    with tempfile.TemporaryDirectory() as work:
        run = Run(fit, acquisition, work, 30000, 0.2)
        try:
            run.append(500)
            port = int(run.url.split(":")[2].split("/")[0])
            token = run.url.rstrip("/").rsplit("/", 1)[1]
            good = f"/run/{token}/"
            # The page is there for its address, with its headers.
            deadline = time.monotonic() + 10
            while True:
                code, body, head = status_and_body(raw(port, f"GET {good} HTTP/1.1\r\nHost: x\r\n\r\n".encode()))
                if code == 200 or time.monotonic() > deadline:
                    break
                time.sleep(0.1)
            if code != 200 or b"<main" not in body:
                failures.append(f"the page itself: {code}")
            for header in (b"Cache-Control: no-store", b"X-Content-Type-Options: nosniff",
                           b"Referrer-Policy: no-referrer", b"Content-Security-Policy: default-src 'none'"):
                if header not in head:
                    failures.append(f"the page lacks {header.decode()}")

            # The run grows and reloads all along.
            writing = threading.Event()

            def grow():
                while not writing.is_set() and run.written < len(run.events):
                    run.append(20)
                    time.sleep(0.02)

            grower = threading.Thread(target=grow)
            grower.start()
            off = token[:-1] + ("0" if token[-1] != "0" else "1")
            wrong = "0123456789abcdef0123456789abcdef"
            paths = ["/", "/run/", "/run.json", f"/run/{wrong}/", f"/run/{wrong}/run.json", f"/run/{off}/",
                     f"/run/{off}/run.json", f"/run/{token[1:]}0/", f"/run/{token.upper()}/", f"/run/{token}",
                     f"/run/{token}/../run.json", f"/run/{token}/%2e%2e/run.json", f"/run/{token}/..%2frun.json",
                     f"/run/{token}%2frun.json", f"/run/{wrong[:-1]}%{ord(wrong[-1]):02x}/run.json", f"/run/{token}/./run.json",
                     f"/run/{token}//run.json", "/../../etc/passwd", "/run/%2e%2e/%2e%2e/etc/passwd",
                     f"/run/{token}/../../etc/passwd", f"/run/{token}/page.js", f"/run/{token}/run.txt",
                     f"/run/{token}/histogram.svg/", "//etc/passwd", "*"]
            for path in paths:
                code, body, _ = status_and_body(raw(port, f"GET {path} HTTP/1.1\r\nHost: x\r\n\r\n".encode()))
                if code != 404 or body:
                    failures.append(f"GET {path}: {code} with {len(body)} bytes")
            # An unreserved character percent-encoded is the same character (RFC 3986): with the
            # token, the same resource.
            code, body, _ = status_and_body(raw(port, f"GET /run/{token}/%72un.json HTTP/1.1\r\nHost: x\r\n\r\n".encode()))
            if code != 200 or not body.startswith(b"{"):
                failures.append(f"run.json with an encoded r: {code}")
            for method in ("POST", "PUT", "DELETE", "OPTIONS", "PATCH"):
                request = f"{method} {good} HTTP/1.1\r\nHost: x\r\nContent-Length: 2\r\n\r\n{{}}".encode()
                code, body, head = status_and_body(raw(port, request))
                if code != 405 or body or b"Allow: GET, HEAD" not in head:
                    failures.append(f"{method} {good}: {code} with {len(body)} bytes")
            code, body, _ = status_and_body(raw(port, f"HEAD {good}run.json HTTP/1.1\r\nHost: x\r\n\r\n".encode()))
            if code != 200 or body:
                failures.append(f"HEAD: {code} with {len(body)} bytes")
            # A megabyte: a header, or a body, is cut before any answer.
            megabyte = b"a" * (1 << 20)
            for request in (f"GET {good} HTTP/1.1\r\nHost: x\r\nX-Pad: ".encode() + megabyte + b"\r\n\r\n",
                            f"POST {good} HTTP/1.1\r\nHost: x\r\nContent-Length: {1 << 20}\r\n\r\n".encode() + megabyte):
                answer = raw(port, request)
                if b"<main" in answer or b"tau" in answer:
                    failures.append(f"a request of 1 MB got {len(answer)} bytes of the run")

            # 200 idle connections: a few dozen are held, the others closed at once; all are cut when idle.
            idle = []
            for _ in range(200):
                try:
                    idle.append(socket.create_connection(("127.0.0.1", port), timeout=5))
                except OSError:
                    pass
            time.sleep(0.5)
            held = 0
            for s in idle:
                s.setblocking(False)
                try:
                    held += s.recv(1) != b""
                except BlockingIOError:
                    held += 1
                except OSError:
                    pass
            if held > 40:
                failures.append(f"{held} idle connections held open at once")

            # 1000 requests in a burst, wrong tokens among them, while the run reloads.
            wrong_bytes = []
            good_count = [0]
            lock = threading.Lock()

            def burst(n):
                for i in range(n):
                    path = good + "run.json" if i % 2 else f"/run/{wrong}/run.json"
                    try:
                        c = http.client.HTTPConnection("127.0.0.1", port, timeout=15)
                        c.request("GET", path)
                        r = c.getresponse()
                        body = r.read()
                        c.close()
                    except OSError:
                        continue  # refused while the idle ones hold the places
                    with lock:
                        if path.startswith(good):
                            good_count[0] += r.status == 200
                        elif r.status != 404 or body:
                            wrong_bytes.append((r.status, len(body)))

            # The idle connections are cut within their time (10 s).
            cut_after = time.monotonic()
            for s in idle:
                s.setblocking(True)
                s.settimeout(15)
                try:
                    s.recv(1)
                except OSError:
                    pass
                s.close()
            if time.monotonic() - cut_after > 12:
                failures.append("idle connections were not cut within 12 s")
            threads = [threading.Thread(target=burst, args=(125,)) for _ in range(8)]
            for t in threads:
                t.start()
            for t in threads:
                t.join(60)
            writing.set()
            grower.join()
            print(f"{held} of 200 idle connections held at once; {good_count[0]} of 500 requests with the token "
                  f"and none of 500 without it served in the burst")
            if wrong_bytes:
                failures.append(f"{len(wrong_bytes)} requests with a wrong token got an answer or bytes")
            if good_count[0] < 400:
                failures.append(f"only {good_count[0]} of 500 requests with the token were served")
            # The server is up and shows the run as it grew.
            time.sleep(1)
            answer = json.loads(status_and_body(raw(port, f"GET {good}run.json HTTP/1.1\r\nHost: x\r\n\r\n".encode()))[1])
            if answer["events"] is None or run.proc.poll() is not None:
                failures.append("the server or the follower is down after the attacks")
        finally:
            run.stop()
        print("vorns-fit said:", *run.said[:20], sep="\n  ")
        # Nothing was written: the settings folder is empty, the work folder holds the run alone.
        written = sorted(os.listdir(run.home)) + sorted(set(os.listdir(work)) - {"source.txt", "run.txt", "home"})
        if written:
            failures.append(f"written to disk: {written}")
    for f in failures:
        print("FAILED:", f)
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    mode, fit_program, acquisition_program = sys.argv[1], os.path.abspath(sys.argv[2]), os.path.abspath(sys.argv[3])
    sys.exit(browser_test(fit_program, acquisition_program) if mode == "browser"
             else attacks_test(fit_program, acquisition_program))
