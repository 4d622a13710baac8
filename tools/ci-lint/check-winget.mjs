// Checks the winget manifests that tools/release.sh wrote into DIR against
// what the setup really is: the uninstall entry's key name and the values
// written under it (installer/NSIS.template.in), the switches the setup
// accepts (its usage line there), the vendor and version (the build files),
// the licence (LICENSE), and the setup's SHA-256, both as SHA256SUMS lists it
// and as computed here from the file.
//   node tools/ci-lint/check-winget.mjs DIR
import { readFileSync, readdirSync, existsSync } from "node:fs";
import { createHash } from "node:crypto";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { parse } from "yaml";

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../..");
const out = process.argv[2];
if (!out) {
  console.error("usage: check-winget.mjs DIR");
  process.exit(2);
}
const read = (f) => readFileSync(path.join(root, f), "utf8");
let failures = 0;
const expect = (what, actual, wanted) => {
  if (JSON.stringify(actual) !== JSON.stringify(wanted)) {
    console.log(`FAIL  ${what}: ${JSON.stringify(actual)}, expected ${JSON.stringify(wanted)}`);
    failures++;
  }
};

// The facts, from their homes.
const version = read("CMakeLists.txt").match(/^project\(Marilo VERSION ([0-9.]+)/m)[1];
const vendor = read("cmake/Packaging.cmake").match(/^set\(CPACK_PACKAGE_VENDOR "([^"]+)"\)/m)[1];
const nsi = read("installer/NSIS.template.in");
const uninstKey = nsi.match(/^!define UNINST_KEY "([^"]+)"/m)[1];
const keyName = uninstKey.split("\\").pop();
const regValue = (name) => nsi.match(new RegExp(`WriteRegStr HKCU "\\$\\{UNINST_KEY\\}" "${name}" "([^"]+)"`))[1];
const usage = nsi.match(/^;\s+Marilo-<version>-win64-setup\.exe (.*)$/m)[1];
const accepted = [...usage.matchAll(/\[(\/[A-Z]+=?)/g)].map((m) => m[1]);
const licence = read("LICENSE").split("\n")[0].replace(/ License$/, "");
const setupName = `Marilo-${version}-win64-setup.exe`;
const sums = Object.fromEntries(readFileSync(path.join(out, "SHA256SUMS"), "utf8").trim().split("\n")
  .map((l) => l.match(/^([0-9a-f]{64})  (.+)$/)).map((m) => [m[2], m[1]]));
const realSha = createHash("sha256").update(readFileSync(path.join(out, setupName))).digest("hex");
expect("the setup's sum in SHA256SUMS", sums[setupName], realSha);

// The manifests: one folder for this version, named after the identifier.
const id = `${vendor.replaceAll(" ", "")}.Marilo`;
const dir = path.join(out, "winget/manifests", id[0].toLowerCase(), ...id.split("."), version);
if (!existsSync(dir)) {
  console.log(`FAIL  no manifest folder ${path.relative(out, dir)}`);
  process.exit(1);
}
expect("the manifest files", readdirSync(dir).sort(),
  [`${id}.installer.yaml`, `${id}.locale.en-US.yaml`, `${id}.locale.ja-JP.yaml`, `${id}.yaml`]);
const load = (suffix) => {
  const text = readFileSync(path.join(dir, `${id}${suffix}.yaml`), "utf8");
  const m = parse(text);
  expect(`${suffix || ".version"}: schema comment`, /\.1\.6\.0\.schema\.json/.test(text.split("\n")[0]), true);
  expect(`${suffix || ".version"}: PackageIdentifier`, m.PackageIdentifier, id);
  expect(`${suffix || ".version"}: PackageVersion`, m.PackageVersion, version);
  expect(`${suffix || ".version"}: ManifestVersion`, m.ManifestVersion, "1.6.0");
  return m;
};
const ver = load("");
expect("version: ManifestType", ver.ManifestType, "version");
expect("version: DefaultLocale", ver.DefaultLocale, "en-US");

const inst = load(".installer");
expect("installer: ManifestType", inst.ManifestType, "installer");
expect("installer: InstallerType", inst.InstallerType, "nullsoft");
expect("installer: Scope (the setup asks for no administrator)", inst.Scope,
  /^RequestExecutionLevel user$/m.test(nsi) ? "user" : "machine");
expect("installer: the uninstall entry is the user's", /^!define UNINST_KEY "Software\\/m.test(nsi) &&
  /WriteRegStr HKCU "\$\{UNINST_KEY\}"/.test(nsi), true);
expect("installer: ProductCode is the uninstall key's name", inst.ProductCode, keyName);
const entry = inst.AppsAndFeaturesEntries?.[0] ?? {};
expect("installer: entry ProductCode", entry.ProductCode, keyName);
expect("installer: entry DisplayName", entry.DisplayName, regValue("DisplayName"));
expect("installer: entry Publisher", entry.Publisher, vendor);
expect("installer: entry DisplayVersion", entry.DisplayVersion, version);
expect("installer: Silent", inst.InstallerSwitches?.Silent, "/S");
expect("installer: SilentWithProgress", inst.InstallerSwitches?.SilentWithProgress, "/S");
expect("installer: InstallLocation", inst.InstallerSwitches?.InstallLocation, "/D=<INSTALLPATH>");
for (const [name, value] of Object.entries(inst.InstallerSwitches ?? {})) {
  const sw = value.match(/^\/[A-Z]+=?/)?.[0];
  expect(`installer: the setup accepts ${name}'s ${value}`, accepted.includes(sw), true);
}
expect("installer: InstallModes", inst.InstallModes, ["interactive", "silent", "silentWithProgress"]);
expect("installer: UpgradeBehavior", inst.UpgradeBehavior, "install");
expect("installer: one installer", inst.Installers?.length, 1);
const one = inst.Installers?.[0] ?? {};
expect("installer: Architecture", one.Architecture, "x64");
expect("installer: InstallerSha256", one.InstallerSha256, realSha.toUpperCase());
expect("installer: InstallerUrl names the tag and the setup",
  one.InstallerUrl?.endsWith(`/releases/download/v${version}/${setupName}`), true);

const en = load(".locale.en-US");
expect("en-US: ManifestType", en.ManifestType, "defaultLocale");
expect("en-US: PackageLocale", en.PackageLocale, "en-US");
const ja = load(".locale.ja-JP");
expect("ja-JP: ManifestType", ja.ManifestType, "locale");
expect("ja-JP: PackageLocale", ja.PackageLocale, "ja-JP");
for (const [name, m] of [["en-US", en], ["ja-JP", ja]]) {
  expect(`${name}: Publisher`, m.Publisher, vendor);
  expect(`${name}: PackageName`, m.PackageName, "Marilo");
  expect(`${name}: License`, m.License, licence);
  expect(`${name}: LicenseUrl`, m.LicenseUrl?.endsWith(`/blob/v${version}/LICENSE`), true);
  expect(`${name}: ShortDescription of 3 to 256 characters`,
    m.ShortDescription?.length >= 3 && m.ShortDescription.length <= 256, true);
}
expect("ja-JP: the descriptions are in Japanese",
  /[\u3040-\u30ff]/.test(ja.ShortDescription) && /[\u3040-\u30ff]/.test(ja.Description), true);
expect("en-US: the descriptions are in English",
  /^[\x20-\x7e\n]+$/.test(en.ShortDescription + en.Description), true);

if (failures) {
  console.log(`check-winget: ${failures} field(s) disagree`);
  process.exit(1);
}
console.log(`check-winget: ${id} ${version} agrees with the setup (product code ${keyName}, switches ${accepted.join(" ")})`);
