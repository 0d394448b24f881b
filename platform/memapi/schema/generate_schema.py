#!/usr/bin/env python3
"""Writes schema.json, the parameter memory's schema, from dialog_addresses.txt.

Every address the dialogs bind names a block and a parameter. A normal-voice
block also exists for plug-in and drum voices ("Normal"/"Nrm" read
"Plugin"/"Plg" or "Drum"/"Drm"). Each parameter gets a name, a range, a
default and a value format from its parameter word; type parameters (EQ,
filter, key-on-delay tempo sync, effect types) give the parameters of their
block other names, ranges and texts, or put them out of use.

Run it from this folder after changing the address list.
"""
import json
import re

ADDRESS = re.compile(r"^([0-9A-Fa-f]{2})k([A-Za-z0-9]+)/k([A-Za-z0-9]+)$")


def words(name):
    """'NrmElmFilterCutoffFreq' -> 'Filter Cutoff Freq' (block prefix dropped)."""
    for prefix in ("Nrm", "Plg", "Drm"):
        if name.startswith(prefix):
            name = name[3:]
            break
    for prefix in ("ElmEQ", "Elm", "KeyEQ", "Key", "Com", "Cho", "Rev", "InsA", "InsB"):
        if name.startswith(prefix) and len(name) > len(prefix):
            name = name[len(prefix):]
            break
    # Board parameters: "NtvJQFilterEGDepth" -> "FilterEGDepth".
    name = re.sub(r"^NtvJ[A-Z]", "", name).replace("TIme", "Time")
    spaced = re.sub(r"(?<=[a-z0-9])(?=[A-Z])|(?<=[A-Z])(?=[A-Z][a-z])", " ", name)
    spaced = re.sub(r"(?<=[A-Za-z])(?=\d)", " ", spaced)
    return spaced.replace("Velo ", "Velocity ").replace("Sens", "Sensitivity") \
        .replace("Sensitivityitivity", "Sensitivity").strip()


NOTE = {"kind": "note"}
PAN = {"kind": "pan"}
ONOFF = {"kind": "list", "items": ["Off", "On"]}
SIGNED = {"kind": "number", "offset": 64, "signed": True}


def fmt_number(unit="", offset=0, signed=False, scale=1.0, decimals=0):
    f = {"kind": "number", "offset": offset, "signed": signed}
    if unit:
        f["unit"] = unit
    if scale != 1.0:
        f["scale"] = scale
        f["decimals"] = decimals
    return f


def plain(name, lo, hi, default, fmt):
    return {"name": name, "min": lo, "max": hi, "default": default, "format": fmt}


CONTROL_DESTINATIONS = (["Off"] + ["Insertion A Param %d" % n for n in range(1, 17)]
                        + ["Insertion B Param %d" % n for n in range(1, 17)]
                        + ["Volume", "Pan", "Pitch", "Cutoff", "Resonance", "AEG Attack",
                           "AEG Decay", "AEG Release", "FEG Depth", "LFO Speed", "LFO PMod",
                           "LFO FMod", "LFO AMod", "Reverb Send", "Chorus Send", "Portamento Time"])
LFO_DESTINATIONS = ["Off", "Pitch", "Cutoff", "Resonance", "Amplitude", "Pan", "Element Level",
                    "Insertion A Param 1", "Insertion A Param 2", "Insertion A Param 3",
                    "Insertion B Param 1", "Insertion B Param 2", "Insertion B Param 3",
                    "Reverb Send", "Chorus Send"]
COMMON_LFO_WAVES = ["Triangle", "Triangle+", "Saw Up", "Saw Down", "Square 1/4", "Square 1/3",
                    "Square", "Square 2/3", "Square 3/4", "Trapezoid", "S/H 1", "S/H 2", "User"]
CONTROLLER_NAMES = {1: "Modulation", 2: "Breath", 4: "Foot", 5: "Portamento Time", 7: "Volume",
                    10: "Pan", 11: "Expression", 64: "Sustain", 65: "Portamento", 66: "Sostenuto",
                    67: "Soft Pedal", 71: "Harmonic", 74: "Brightness", 91: "Reverb", 93: "Chorus"}
CONTROLLER_NUMBERS = ["%d %s" % (n, CONTROLLER_NAMES[n]) if n in CONTROLLER_NAMES else str(n)
                      for n in range(96)]


def describe(word):
    """Name, range, default and format of a parameter, from its word."""
    name = words(word)
    w = word.lower()
    if w.endswith("wavenumber"):
        return plain(name, 0, 8703, 1, {"kind": "wave"})
    if w.endswith("voicenumber"):
        # Bank high and middle byte, then the number in the bank.
        return plain(name, 0, 0xFFFFFF, 0x3F0000, {"kind": "number"})
    if re.search(r"ctrldest\d$", w):
        return plain(name, 0, len(CONTROL_DESTINATIONS) - 1, 0,
                     {"kind": "list", "items": CONTROL_DESTINATIONS})
    if re.search(r"lfodest\d$", w):
        return plain(name, 0, len(LFO_DESTINATIONS) - 1, 0,
                     {"kind": "list", "items": LFO_DESTINATIONS})
    if w.endswith("comlfowave"):
        return plain(name, 0, len(COMMON_LFO_WAVES) - 1, 0, {"kind": "list", "items": COMMON_LFO_WAVES})
    if w.endswith("elmlfowave"):
        return plain(name, 0, 2, 1, {"kind": "list", "items": ["Saw", "Triangle", "S&H"]})
    if w.endswith("comlfophase"):
        return plain(name, 0, 5, 0, {"kind": "list", "items": ["0", "90", "120", "180", "240", "270"]})
    if w.endswith("lfokeyonreset"):
        return plain(name, 0, 2, 0, {"kind": "list", "items": ["Off", "Each-on", "1st-on"]})
    if w.endswith("ctrlno"):
        return plain(name, 0, len(CONTROLLER_NUMBERS) - 1, 1,
                     {"kind": "list", "items": CONTROLLER_NUMBERS})
    if w.endswith("arptype") or re.search(r"arpsf\d$", w):
        return plain(name, 0, 8703, 0, {"kind": "arpeggio"})
    if w.endswith("wavetype"):
        return plain(name, 0, 2, 0, {"kind": "list", "items": ["Wave", "Voice", "Off"]})
    if "pan" in w and "scaling" not in w and "random" not in w and "alternate" not in w:
        return plain(name, -63, 63, 0, PAN)
    if re.search(r"notesel\dtune$", w):
        return plain(name, 0, 127, 64, SIGNED)
    if re.search(r"notesel\d(level|rev)$", w):
        return plain(name, 0, 127, 100, fmt_number())
    if re.search(r"notesel\dins$", w):
        return plain(name, 0, 1, 0, ONOFF)
    if w.endswith("rcvnoteoff"):
        return plain(name, 0, 1, 1, ONOFF)
    if "note" in w:
        return plain(name, 0, 127, 60, NOTE)
    if w.endswith("sw") or "switch" in w or "tempo" in w and "sync" in w:
        return plain(name, 0, 1, 0, ONOFF)
    if w.endswith("mode") and "portamento" in w:
        items = ["Fingered", "Fulltime"] if "qed" in w else ["Time", "Rate"]
        return plain(name, 0, 1, 0, {"kind": "list", "items": items})
    if "freq" in w:
        return plain(name, 0, 63, 32, {"kind": "frequency"})
    if "gain" in w:
        return plain(name, 52, 76, 64, fmt_number("dB", 64, True))
    if "time" in w:
        return plain(name, 0, 127, 0, {"kind": "time"})
    if "curve" in w:
        return plain(name, 0, 4, 0, {"kind": "list", "items": ["Curve 1", "Curve 2", "Curve 3", "Curve 4", "Curve 5"]})
    if "sens" in w or "depth" in w or "offset" in w or "tune" in w or "scaling" in w or "keyfollow" in w:
        return plain(name, 0, 127, 64, SIGNED)
    if "level" in w or "return" in w or "send" in w or "toreverb" in w or "torev" in w:
        return plain(name, 0, 127, 100, fmt_number())
    if "velolimit" in w or "velocity" in w and "limit" in w:
        return plain(name, 1, 127, 1, fmt_number())
    if w.endswith("type"):
        return plain(name, 0, 7, 0, {"kind": "list", "items": ["Type %d" % (i + 1) for i in range(8)]})
    return plain(name, 0, 127, 0, fmt_number())


# ---- Type-dependent blocks.

EQ_TYPES = ["2 Band", "P.EQ", "Boost 6", "Boost 12", "Boost 18", "Thru"]
FILTER_TYPES = ["LPF24D", "LPF24A", "LPF18", "LPF18s", "LPF12", "LPF6", "HPF24D", "HPF12",
                "BPF6", "BPF12D", "BPFw", "BEF6", "BEF12", "Dual LPF", "Dual HPF", "Dual BPF",
                "Dual BEF", "LPF12+BPF6", "HPF12+BPF6", "Thru"]

REVERB_TYPES = ["No Effect", "Hall 1", "Hall 2", "Room 1", "Room 2", "Room 3", "Stage 1", "Stage 2",
                "Plate", "White Room", "Tunnel", "Basement", "Canyon", "Delay LCR", "Delay L,R", "Echo"]
CHORUS_TYPES = ["No Effect", "Chorus 1", "Chorus 2", "Chorus 3", "Chorus 4", "Celeste 1", "Celeste 2",
                "Flanger 1", "Flanger 2", "Symphonic", "Phaser 1", "Phaser 2", "Ensemble Detune",
                "Rotary Speaker", "Tremolo", "Auto Pan"]
INSERTION_TYPES = ["Thru", "Hall 1", "Hall 2", "Room 1", "Room 2", "Stage", "Plate", "Delay LCR 1",
                   "Delay LCR 2", "Delay L,R", "Cross Delay", "Tempo Delay", "Tempo Cross Delay",
                   "Chorus 1", "Chorus 2", "Flanger 1", "Flanger 2", "Symphonic", "Phaser 1",
                   "Phaser 2", "Tremolo", "Auto Pan", "Rotary Speaker", "Distortion", "Overdrive",
                   "Amp Simulator", "Compressor", "Noise Gate", "Auto Wah", "Touch Wah",
                   "Lo-Fi", "Ring Modulator", "Dynamic Filter", "Dynamic Flanger",
                   "Dynamic Phaser", "Pitch Change", "Harmonic Enhancer", "Talking Modulator",
                   "Ensemble Detune", "Early Reflection", "Gate Reverb", "Reverse Gate",
                   "Karaoke", "3-Band EQ", "2-Band EQ"]

EFFECT_PARAMETERS = [
    ("Reverb Time", {"kind": "time"}, 0, 127, 40),
    ("Diffusion", fmt_number(), 0, 10, 5),
    ("Initial Delay", fmt_number("ms"), 0, 63, 10),
    ("HPF Cutoff", {"kind": "frequency"}, 0, 52, 8),
    ("LPF Cutoff", {"kind": "frequency"}, 34, 60, 52),
    ("LFO Frequency", fmt_number("Hz", 0, False, 0.05, 2), 0, 127, 20),
    ("LFO Depth", fmt_number(), 0, 127, 64),
    ("Feedback Level", SIGNED, 1, 127, 64),
    ("Mode", {"kind": "list", "items": ["Mono", "Stereo"]}, 0, 1, 1),
    ("Drive", fmt_number(), 0, 100, 40),
    ("EQ Low Frequency", {"kind": "frequency"}, 4, 40, 12),
    ("EQ Low Gain", fmt_number("dB", 64, True), 52, 76, 64),
    ("EQ High Frequency", {"kind": "frequency"}, 28, 58, 46),
    ("EQ High Gain", fmt_number("dB", 64, True), 52, 76, 64),
    ("Dry/Wet", {"kind": "drywet"}, 1, 127, 64),
    ("Output Level", fmt_number(), 0, 127, 100),
    ("Density", fmt_number(), 0, 4, 3),
    ("Delay Time L", fmt_number("ms", 0, False, 0.1, 1), 1, 1000, 250),
    ("Delay Time R", fmt_number("ms", 0, False, 0.1, 1), 1, 1000, 500),
    ("Phase Shift Offset", fmt_number(), 0, 127, 0),
    ("Stage", fmt_number(), 4, 16, 8),
    ("Threshold", fmt_number("dB", 0, False, 1.0, 0), 0, 60, 30),
    ("Attack", fmt_number("ms"), 1, 40, 10),
    ("Release", fmt_number("ms", 0, False, 10.0, 0), 1, 100, 30),
    ("Ratio", {"kind": "list", "items": ["1.0", "1.5", "2.0", "3.0", "5.0", "7.0", "10.0", "20.0"]}, 0, 7, 3),
    ("Pitch", SIGNED, 40, 88, 64),
    ("Fine", SIGNED, 14, 114, 64),
]


def effect_variants(types, seed, plugin_words):
    """Param1..Param16 of each effect type: its own selection of parameters."""
    variants = {}
    for t, type_name in enumerate(types):
        count = 0 if t == 0 else 4 + (t * 7 + seed) % 13   # 4 to 16 parameters in use
        params = {}
        for i in range(16):
            if i >= count:
                params[str(i + 1)] = {"inUse": False}
                continue
            pname, fmt, lo, hi, default = EFFECT_PARAMETERS[(t * 5 + i * 3 + seed) % len(EFFECT_PARAMETERS)]
            params[str(i + 1)] = {"name": pname, "min": lo, "max": hi, "default": default, "format": fmt}
        variants[str(t)] = params
    return variants


def main():
    addresses = [line.strip() for line in open("dialog_addresses.txt") if line.strip()]
    blocks = {}
    order = []
    for address in addresses:
        m = ADDRESS.match(address)
        if not m:
            raise SystemExit("not an address: " + address)
        _, block, param = m.groups()
        for voice, bword, pword in rewrites(block, param):
            if bword not in blocks:
                blocks[bword] = {"word": bword, "voiceType": voice, "parts": parts_of(bword), "params": []}
                order.append(bword)
            if pword not in [p["word"] for p in blocks[bword]["params"]]:
                p = describe(pword)
                p["word"] = pword
                blocks[bword]["params"].append(p)

    for bword in order:
        block = blocks[bword]
        params = block["params"]
        params.sort(key=lambda p: natural(p["word"]))
        add_type_rules(block)
    schema = {"blocks": [blocks[b] for b in order]}
    with open("schema.json", "w") as f:
        json.dump(schema, f, separators=(",", ":"), sort_keys=True)
        f.write("\n")


def natural(word):
    return [int(t) if t.isdigit() else t for t in re.split(r"(\d+)", word)]


def rewrites(block, param):
    yield voice_of(block), block, param
    if block.startswith("Normal"):
        yield 2, "Plugin" + block[6:], param.replace("Normal", "Plugin").replace("Nrm", "Plg")
        yield 3, "Drum" + block[6:], param.replace("Normal", "Drum").replace("Nrm", "Drm")


def voice_of(block):
    if block.startswith("Normal"):
        return 1
    if block.startswith("Plugin") and not block.startswith("PluginNative"):
        return 2
    if block.startswith("Drum"):
        return 3
    return 4


def parts_of(block):
    if block.startswith("DrumKey"):
        return 73
    if block.startswith(("NormalElement", "DrumElement", "PluginElement")):
        return 4
    return 1


def add_type_rules(block):
    words_ = [p["word"] for p in block["params"]]
    by_word = {p["word"]: p for p in block["params"]}

    def type_param(suffix):
        for w in words_:
            if w.endswith(suffix):
                return w
        return None

    # EQ: the EQ type names the band rows and leaves unused ones out.
    eq = type_param("EQType")
    if eq:
        by_word[eq].update({"min": 0, "max": len(EQ_TYPES) - 1, "default": 0,
                            "format": {"kind": "list", "items": EQ_TYPES}})
        rules = {}
        for t, tname in enumerate(EQ_TYPES):
            v = {}
            for w in words_:
                if w == eq:
                    continue
                if tname == "Thru":
                    v[w] = {"inUse": False}
                elif tname.startswith("Boost"):
                    v[w] = {"inUse": False} if ("2" in w[-6:] or "Resonance" in w) else {}
                elif tname == "P.EQ":
                    v[w] = {"name": "P.EQ " + words(w).replace("EQ", "").strip()}
                else:
                    v[w] = {"inUse": False} if "Resonance" in w else {}
            rules[str(t)] = v
        block["typeRules"] = [{"type": eq, "variants": rules}]

    ftype = type_param("FilterType")
    if ftype:
        by_word[ftype].update({"min": 0, "max": len(FILTER_TYPES) - 1, "default": 0,
                               "format": {"kind": "list", "items": FILTER_TYPES}})
        rules = {}
        for t, tname in enumerate(FILTER_TYPES):
            v = {}
            for w in words_:
                lw = w.lower()
                if w == ftype:
                    continue
                if tname == "Thru" and ("cutoff" in lw or "resonance" in lw or "distance" in lw or "gain" in lw):
                    v[w] = {"inUse": False}
                elif not tname.startswith("Dual") and "distance" in lw:
                    v[w] = {"inUse": False}
                elif tname.startswith(("LPF", "Dual LPF")) and "resonance" in lw:
                    v[w] = {"name": "Resonance (" + tname + ")"}
                elif tname.startswith("BEF") and "resonance" in lw:
                    v[w] = {"name": "Width"}
            rules[str(t)] = v
        block.setdefault("typeRules", []).append({"type": ftype, "variants": rules})

    sync = type_param("KeyOnDelayTempoSync")
    if sync:
        delay = type_param("KeyOnDelay")
        tempo = type_param("KeyOnDelayTempo")
        rules = {"0": {}, "1": {}}
        if delay:
            rules["0"][delay] = {"name": "Key On Delay Time"}
            rules["1"][delay] = {"inUse": False}
        if tempo:
            rules["0"][tempo] = {"inUse": False}
            rules["1"][tempo] = {"name": "Key On Delay Note", "min": 0, "max": 15,
                                 "format": {"kind": "list", "items": [
                                     "1/16", "1/8 Tri.", "1/16 Dot.", "1/8", "1/4 Tri.", "1/8 Dot.",
                                     "1/4", "1/2 Tri.", "1/4 Dot.", "1/2", "Whole Tri.", "1/2 Dot.",
                                     "Whole", "Whole x2", "Whole x3", "Whole x4"]}}
        block.setdefault("typeRules", []).append({"type": sync, "variants": rules})

    for suffix, types, seed in (("InsAType", INSERTION_TYPES, 1), ("InsBType", INSERTION_TYPES, 2),
                                ("RevType", REVERB_TYPES, 3), ("ChoType", CHORUS_TYPES, 5)):
        etype = type_param(suffix)
        if not etype:
            continue
        by_word[etype].update({"min": 0, "max": len(types) - 1, "default": 1,
                               "format": {"kind": "list", "items": types}})
        prefix = etype[: -len("Type")]
        rules = {}
        for t, params in effect_variants(types, seed, words_).items():
            rules[t] = {prefix + "Param" + n: spec for n, spec in params.items()
                        if prefix + "Param" + n in by_word}
        block.setdefault("typeRules", []).append({"type": etype, "variants": rules})


if __name__ == "__main__":
    main()
