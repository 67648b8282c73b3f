#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The selection page in a real browser.

Starts keld-serve on a free loopback port, drives the page at "/" in headless
Chromium (Selenium): fills the form, presses CALC, and checks the listed rows,
the messages and the fields the run wrote back against `keld-cli select --json`
for the same options; then marks a row, presses Datasheet and checks that a
two-page PDF arrives. Saves a screenshot of every case under OUT.

usage: browser_test.py KELD_SERVE KELD_CLI OUT_DIR
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

from serve_processes import WAIT_S, free_ports, stop, wait_ready


# Each case: the launch text the page is opened with, what a user does on
# the page, and the keld-cli options that say the same.
# Steps: ("click", id) clicks an element, ("type", id, text) clicks into a
# field, clears it and types, ("select", id, value) picks from a list.
CASES = [
    {
        "name": "centrifugal-defaults",
        "launch": "",
        "steps": [],
        "cli": [],
        "written_back": [("flow", "coolingWaterFlow")],
    },
    {
        # Entries the page rounds as the user leaves them: a fouling factor
        # below the least one, an altitude in part metres, an inlet
        # temperature with three decimals.
        "name": "rounded-entries",
        "launch": "",
        "steps": [("type", "fouling", "0.01"), ("type", "altitude", "1799.6"), ("type", "inlet", "12.345")],
        "cli": ["--fouling", "0.01", "--altitude", "1799.6", "--inlet", "12.345"],
        "written_back": [("fouling", "foulingFactor"), ("altitude", "altitude"), ("inlet", "coolingInletTemp")],
    },
    {
        "name": "screw-heat-pump-glycol",
        "launch": "",
        "steps": [("click", "compressor-screw"), ("select", "fluid", "glycol"), ("type", "glycol", "20"),
                  ("type", "outlet", "-2"), ("type", "inlet", "3")],
        "cli": ["--compressor", "screw", "--fluid", "glycol", "--glycol", "20", "--outlet", "-2", "--inlet", "3"],
        "written_back": [("flow", "coolingWaterFlow"), ("glycol", "glycolPercent")],
    },
    {
        # Clicking into the flow makes it the entered value; the run works
        # out the inlet temperature and writes it back.
        "name": "second-brand-screw-entered-flow",
        "launch": "14BREXAL",
        "steps": [("click", "compressor-screw"), ("type", "ambient", "38"), ("type", "flow", "30")],
        "cli": ["--launch", "14BREXAL", "--compressor", "screw", "--ambient", "38", "--flow", "30"],
        "written_back": [("inlet", "coolingInletTemp")],
    },
    {
        # A band with no unit in it: the message, and the list kept as it was.
        "name": "no-suitable-models",
        "launch": "",
        "steps": [("type", "cooling-capacity", "5")],
        "cli": ["--cooling-capacity", "5"],
        "written_back": [("flow", "coolingWaterFlow")],
    },
]

# What the interlocks leave enabled: (launch, compressor) -> heat pump
# checked, heating fields enabled, fluid enabled, GB enabled.
INTERLOCKS = [
    ("", "centrifugal", False, False, False, True),
    ("", "screw", True, True, True, True),
    ("14BREXAL", "centrifugal", False, False, False, True),
    ("14BREXAL", "screw", False, False, True, False),
]


def cli_select(cli, options):
    out = subprocess.run([cli, "select", *options, "--json"], capture_output=True, text=True, timeout=60)
    return json.loads(out.stdout)


def browser(download_dir):
    options = webdriver.ChromeOptions()
    for arg in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--disable-gpu",
                "--window-size=1440,1000", "--lang=en-GB"):
        options.add_argument(arg)
    options.add_experimental_option("prefs", {"download.default_directory": download_dir,
                                              "download.prompt_for_download": False})
    driver_path = shutil.which("chromedriver") or "/usr/bin/chromedriver"
    driver = webdriver.Chrome(service=Service(driver_path), options=options)
    driver.execute_cdp_cmd("Page.setDownloadBehavior", {"behavior": "allow", "downloadPath": download_dir})
    return driver


def open_page(driver, port, launch):
    query = f"?launch={launch}" if launch else ""
    driver.get(f"http://127.0.0.1:{port}/{query}")
    WebDriverWait(driver, WAIT_S).until(lambda d: d.find_element(By.ID, "calc").is_enabled())


def do(driver, step):
    kind, target = step[0], step[1]
    if kind == "click":
        if target.startswith("compressor-"):
            value = target.split("-", 1)[1]
            driver.find_element(By.CSS_SELECTOR, f"input[name=compressor][value={value}]").click()
        else:
            driver.find_element(By.ID, target).click()
    elif kind == "type":
        field = driver.find_element(By.ID, target)
        field.click()
        field.clear()
        field.send_keys(step[2])
    elif kind == "select":
        driver.find_element(By.CSS_SELECTOR, f"#{target} option[value={step[2]}]").click()


def calc(driver):
    driver.execute_script("delete document.body.dataset.state")
    driver.find_element(By.ID, "calc").click()
    WebDriverWait(driver, WAIT_S).until(lambda d: d.execute_script("return document.body.dataset.state") == "selected")


def shown_rows(driver):
    rows = []
    for tr in driver.find_elements(By.CSS_SELECTOR, "#rows tr:not(.empty)"):
        rows.append([td.text for td in tr.find_elements(By.TAG_NAME, "td")])
    return rows


def shown_messages(driver):
    return [{"caption": m.find_element(By.CLASS_NAME, "caption").text,
             "text": m.find_element(By.CLASS_NAME, "text").text}
            for m in driver.find_elements(By.CSS_SELECTOR, "#messages .message")]


def js_number(value):
    # The page writes a JSON number back as JavaScript prints it: the
    # shortest text that reads back to the same double, like Python's repr.
    return str(int(value)) if float(value).is_integer() else repr(float(value))


class Failures:
    def __init__(self):
        self.items = []

    def check(self, ok, what):
        if not ok:
            self.items.append(what)
            print("FAIL:", what, file=sys.stderr)


def check_header(driver, failures):
    rows = driver.find_elements(By.CSS_SELECTOR, "#result-list thead tr")
    failures.check(len(rows) == 3, f"header rows: {len(rows)}")
    groups = [th.text for th in rows[0].find_elements(By.TAG_NAME, "th")]
    failures.check(groups[:4] == ["Model", "Cooling", "Heating", "With Recovery"], f"header groups: {groups}")
    symbols = [th.text for th in rows[1].find_elements(By.TAG_NAME, "th")]
    failures.check(symbols == ["Pf", "Pa", "qw", "Pf", "Pa", "qw", "Pf", "qw", "Pr", "Pa'", "qw'"],
                   f"header symbols: {symbols}")


def check_interlocks(driver, port, failures):
    for launch, compressor, heat_pump, heating, fluid, gb in INTERLOCKS:
        open_page(driver, port, launch)
        driver.find_element(By.CSS_SELECTOR, f"input[name=compressor][value={compressor}]").click()
        seen = (driver.find_element(By.ID, "heat-pump").is_selected(),
                driver.find_element(By.ID, "heating-ambient").is_enabled(),
                driver.find_element(By.ID, "fluid").is_enabled(),
                driver.find_element(By.CSS_SELECTOR, "input[name=standard][value=gb]").is_enabled())
        failures.check(seen == (heat_pump, heating, fluid, gb),
                       f"interlocks {launch or 'first brand'} {compressor}: {seen}")


def run_case(driver, port, cli, case, shots, failures):
    open_page(driver, port, case["launch"])
    for step in case["steps"]:
        do(driver, step)
    calc(driver)
    expected = cli_select(cli, case["cli"])
    columns = json.loads("[" + driver.execute_script(
        "return document.querySelector('#result-list thead').dataset.columns") + "]")
    want_rows = [[row[c] for c in columns] for row in expected["rows"]] if expected["list"] != "kept" else []
    got_rows = shown_rows(driver)
    name = case["name"]
    failures.check(got_rows == want_rows, f"{name}: rows {got_rows} != {want_rows}")
    failures.check(shown_messages(driver) == expected["messages"],
                   f"{name}: messages {shown_messages(driver)} != {expected['messages']}")
    for field, member in case["written_back"]:
        got = driver.find_element(By.ID, field).get_attribute("value")
        failures.check(got == js_number(expected["conditions"][member]),
                       f"{name}: {field} shows {got}, the run left {expected['conditions'][member]}")
    driver.save_screenshot(os.path.join(shots, f"serve-page-{name}.png"))
    return got_rows


def check_refusal(driver, port, shots, failures):
    open_page(driver, port, "")
    do(driver, ("type", "ambient", "hot"))
    calc(driver)
    texts = [m["text"] for m in shown_messages(driver)]
    failures.check(any("ambient" in t and "请输入一个数字。" in t for t in texts),
                   f"refused ambient: messages {texts}")
    driver.save_screenshot(os.path.join(shots, "serve-page-refused.png"))


def check_datasheet(driver, port, download_dir, shots, failures):
    open_page(driver, port, "")
    calc(driver)
    listed = shown_rows(driver)
    # A duty with no unit in its band keeps the list: the sheet of a listed
    # unit is still the one of the duty it was listed for.
    do(driver, ("type", "cooling-capacity", "5"))
    calc(driver)
    failures.check(shown_rows(driver) == listed, "a run that found nothing changed the list")
    rows = driver.find_elements(By.CSS_SELECTOR, "#rows tr:not(.empty)")
    failures.check(len(rows) > 0, "no rows to take a datasheet of")
    if not rows:
        return
    row = rows[-1]
    model = row.find_element(By.TAG_NAME, "td").text
    failures.check(not driver.find_element(By.ID, "datasheet").is_enabled(), "Datasheet enabled without a row")
    row.click()
    do(driver, ("type", "project", "Plant 7"))
    driver.save_screenshot(os.path.join(shots, "serve-page-marked-row.png"))
    driver.find_element(By.ID, "datasheet").click()
    target = os.path.join(download_dir, model + ".pdf")
    deadline = time.monotonic() + WAIT_S
    while not os.path.exists(target) and time.monotonic() < deadline:
        time.sleep(0.1)
    failures.check(os.path.exists(target), f"no datasheet arrived as {target}: {os.listdir(download_dir)}")
    if not os.path.exists(target):
        return
    with open(target, "rb") as f:
        failures.check(f.read(5) == b"%PDF-", "the datasheet is no PDF")
    info = subprocess.run(["pdfinfo", target], capture_output=True, text=True, timeout=30).stdout
    pages = re.search(r"^Pages:\s+(\d+)$", info, re.MULTILINE)
    failures.check(pages is not None and pages.group(1) == "2", f"the datasheet has not two pages:\n{info}")
    text = subprocess.run(["pdftotext", target, "-"], capture_output=True, text=True, timeout=30).stdout
    failures.check(model in text and "Plant 7" in text, "the datasheet names neither the model nor the project")
    failures.check(not driver.find_elements(By.CSS_SELECTOR, "#messages .message.failure"),
                   f"the datasheet was refused: {shown_messages(driver)}")


def main():
    serve, cli, out = sys.argv[1:4]
    shots = os.path.join(out, "screens")
    os.makedirs(shots, exist_ok=True)
    failures = Failures()
    port, = free_ports(1)
    server = subprocess.Popen([serve, "--listen", f"127.0.0.1:{port}"], stderr=subprocess.DEVNULL)
    driver = None
    try:
        wait_ready(port, server, "keld-serve")
        with tempfile.TemporaryDirectory(dir=out, prefix="serve-downloads-") as downloads:
            driver = browser(downloads)
            open_page(driver, port, "")
            check_header(driver, failures)
            driver.save_screenshot(os.path.join(shots, "serve-page-start.png"))
            check_interlocks(driver, port, failures)
            for case in CASES:
                run_case(driver, port, cli, case, shots, failures)
            check_refusal(driver, port, shots, failures)
            check_datasheet(driver, port, downloads, shots, failures)
            driver.quit()
            driver = None
    finally:
        if driver is not None:
            driver.quit()
        stop(server)
    if failures.items:
        print(f"{len(failures.items)} check(s) failed", file=sys.stderr)
        return 1
    print(f"selection page: every check passed; screenshots in {shots}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
