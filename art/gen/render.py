"""Renders the skin folder and the executable's pictures:  render.py OUT

Names and sizes come from art/skins.manifest; each name is drawn by the painter
registered for it below. Every picture is an SVG document rasterised by
rsvg-convert; Pillow checks the size, drops the alpha channel of opaque
pictures and writes the bitmap; ImageMagick packs the icon."""

import io
import os
import re
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

from PIL import Image

import controls
import dials
import mouse
import resources
import windows
from theme import BASE, INK

ART = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MANIFEST = os.path.join(ART, "skins.manifest")


def read_manifest(path=MANIFEST):
    """{canonical path: (width, height, opaque)}; spellings of one file must agree."""
    pictures = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            fields = line.split("#", 1)[0].split()
            if not fields:
                continue
            name, size, _rule = fields[:3]
            width, height = (int(v) for v in size.split("x"))
            entry = (width, height, "opaque" in fields[3:])
            key = canonical(name)
            if pictures.setdefault(key, entry) != entry:
                sys.exit(f"{path}:{number}: {name} disagrees with another spelling of {key}")
    return pictures


def canonical(name):
    """The file a spelled name reaches: separators alike, runs collapsed, the folder spelled Skins."""
    parts = [p for p in re.split(r"[\\/]+", name) if p]
    if parts[0].lower() != "skins":
        raise ValueError(f"{name} lies outside the skin folder")
    return "/".join(["Skins"] + parts[1:])


def painters():
    c, w, d = controls, windows, dials
    p = {
        "Skins/main.png": w.main_window,
        "Skins/BK_MainMid.png": w.stage,
        "Skins/BK_MainLeft.png": w.left_column,
        "Skins/BK_MainRight.png": w.right_column,
        "Skins/Logo.png": w.logo,
        "Skins/MLogo.png": w.monogram,
        "Skins/splash.png": w.splash,
        "Skins/ItemBK.png": lambda W, H: c.header(W, H, "normal"),
        "Skins/MacroManagementBK.png": lambda W, H: c.header(W, H, "normal", tall=True),
        "Skins/ButtonAssignment/BK_ButtonAssignment.png": w.assignment_panel,
        "Skins/ButtonAssignment/BK_ButtonAssignment-Side.png": w.assignment_panel,
        "Skins/XYSensitivity/BK_XYSensSetting.png": w.axis_panel,
        "Skins/SilentHeihgt/sh-bk.png": w.lift_off_panel,
        "Skins/XYSensitivity/1.png": c.horizontal_track(False, 3, 4),
        "Skins/XYSensitivity/2.png": c.horizontal_track(True, 3, 4),
        "Skins/StageSlider/1.png": c.horizontal_track(False, 2, 4),
        "Skins/StageSlider/10.png": c.horizontal_track(True, 2, 4),
        "Skins/DPISetting/DPIStage/0.png": c.vertical_track(False),
        "Skins/DPISetting/DPIStage/82.png": c.vertical_track(True),
        "Skins/DPISetting/BK_DPISetting.png": w.page(w.dpi_page_details),
        "Skins/DPISetting/BK-DPIValue.png": c.value_box,
        "Skins/Lighting/BK_Lighting.png": w.page(w.lighting_page_details),
        "Skins/USBReportRate/BK_USBReportRate.png": w.page(w.polling_page_details),
        "Skins/MouseAttribute/BK_MouseAttribute.png": w.page(w.speed_page_details),
        "Skins/MouseAttribute/BK_ScrollSpeed.png": w.page(),
        "Skins/AngleSnap/BK_AngleSnap.png": w.page(w.angle_page_details),
        "Skins/MouseAttribute/ScrollSpeed/ScrollLines.png": c.scroll_lines_box,
        "Skins/Config/Config.png": w.profile_window,
        "Skins/Config/New-Config.png": c.round_symbol("add"),
        "Skins/Config/Del-Config.png": c.round_symbol("remove"),
        "Skins/macro-key.png": w.macro_key_window,
        "Skins/single-key.png": w.single_key_window,
        "Skins/MacroManagement/MacroManagement.png": w.macro_manager_window,
        "Skins/Mouse/Front/MouseFront.png": mouse.front_view,
        "Skins/Mouse/Side/MouseSide.png": mouse.side_view,
        "Skins/Mouse/Back/MouseBack.png": mouse.back_view,
    }
    for on, state in ((True, "Enable"), (False, "Disable")):
        p[f"Skins/{state}.png"] = lambda W, H, on=on: c.indicator(on, W)
        p[f"Skins/MouseAttribute/ScrollSpeed/{state}.png"] = lambda W, H, on=on: c.indicator(on, W)
    for folder in ("Skins", "Skins/MacroManagement"):
        p[f"{folder}/Pane.png"] = lambda W, H: c.tick_box(False, W)
        p[f"{folder}/PaneMakingTick.png"] = lambda W, H: c.tick_box(True, W)
    for state in ("normal", "over"):
        for glyph in ("close", "min", "help"):
            p[f"Skins/button-{glyph}-{state}.png"] = lambda W, H, s=state, g=glyph: c.title_button(g)(W, H, s)
        p[f"Skins/ButtonAssignment/DropdownBox-{state}.png"] = lambda W, H, s=state: c.dropdown_box(W, H, s)
        p[f"Skins/MacroManagement/Record-{state}.png"] = lambda W, H, s=state: c.record_button(W, H, s)
        p[f"Skins/MacroManagement/button-new-{state}.png"] = c.small_button(state)
        p[f"Skins/MacroManagement/button-cancel-{state}.png"] = c.small_button(state)
        p[f"Skins/macro-button-close-{state}.png"] = c.small_button(state, "close")
    for state in ("normal", "over", "leave"):
        p[f"Skins/button-config-{state}.png"] = lambda W, H, s=state: c.config_button(W, H, s)
        p[f"Skins/button-mouse-{state}.png"] = lambda W, H, s=state: c.push_button(INK)(W, H, s)
        p[f"Skins/button-cancel-{state}.png"] = lambda W, H, s=state: c.push_button(BASE)(W, H, s)
    p["Skins/button-save-leave.png"] = lambda W, H: c.push_button(BASE)(W, H, "disabled")
    for rate in dials.RATES:
        p[f"Skins/USBReportRate/{rate}HZ.png"] = d.polling_dial(rate)
    for value in range(1, 12):
        p[f"Skins/MouseAttribute/Speed/{value}.png"] = d.speed_dial(value)
    p.update(mouse.hot_spots())
    return p


def rasterise(svg_text):
    result = subprocess.run(["rsvg-convert", "--format", "png"], input=svg_text.encode(), capture_output=True,
                            check=True)
    return Image.open(io.BytesIO(result.stdout))


def render_picture(out, name, width, height, opaque, paint):
    image = rasterise(paint(width, height))
    if image.size != (width, height):
        raise RuntimeError(f"{name}: drawn at {image.size}, listed as {width}x{height}")
    if opaque:
        image = image.convert("RGB")
    target = os.path.join(out, *name.split("/"))
    os.makedirs(os.path.dirname(target), exist_ok=True)
    image.save(target, optimize=True)


def render_resources(out):
    folder = os.path.join(out, "resources")
    os.makedirs(folder, exist_ok=True)
    # ImageMagick stores the small sizes as plain bitmaps and only the largest as PNG, as icons usually are.
    with tempfile.TemporaryDirectory() as scratch:
        sizes = []
        for size in resources.ICON_SIZES:
            sizes.append(os.path.join(scratch, f"{size}.png"))
            rasterise(resources.icon(size)).convert("RGBA").save(sizes[-1])
        subprocess.run(["/usr/bin/convert", *sizes, os.path.join(folder, "norvale.ico")], check=True)
    grid = rasterise(resources.scroll_bar_bitmap(117, 48)).convert("RGB")
    grid.save(os.path.join(folder, "scrollbar.bmp"))
    rasterise(resources.installer_side()).convert("RGB").save(os.path.join(folder, "installer-side.bmp"))


def main(out):
    pictures = read_manifest()
    paint = {canonical(k).lower(): (k, v) for k, v in painters().items()}
    missing = sorted(k for k in pictures if k.lower() not in paint)
    unlisted = sorted(name for key, (name, _) in paint.items() if key not in {k.lower() for k in pictures})
    if missing or unlisted:
        sys.exit(f"no painter for {missing}; painters not in the manifest: {unlisted}")
    with ThreadPoolExecutor(max_workers=2) as pool:
        jobs = [pool.submit(render_picture, out, name, *size, paint[name.lower()][1])
                for name, size in pictures.items()]
        jobs.append(pool.submit(render_resources, out))
        for job in jobs:
            job.result()


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: render.py OUT")
    main(sys.argv[1])
