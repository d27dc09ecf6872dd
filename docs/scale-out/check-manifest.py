#!/usr/bin/env python3
"""Checks docs/scale-out/pressmark-job.yaml offline: against a minimal hand-written JSON schema of
the batch/v1 Job fields the manifest uses (not the upstream Kubernetes OpenAPI schema, which no
Debian package ships), and for what the recipe itself relies on: an Indexed Job whose pods take
their shard from JOB_COMPLETION_INDEX, with SHARDS equal to `completions`.

    python3 docs/scale-out/check-manifest.py [MANIFEST]

Needs PyYAML and jsonschema (python3-yaml, python3-jsonschema: PRESSMARK_BENCH=1 scripts/setup.sh).
"""
import sys

import jsonschema
import yaml

QUANTITY = {"type": "string", "pattern": r"^[0-9]+(\.[0-9]+)?(m|Ki|Mi|Gi|Ti|k|M|G|T)?$"}
DNS_NAME = {"type": "string", "pattern": r"^[a-z0-9]([-a-z0-9]*[a-z0-9])?$", "maxLength": 63}

CONTAINER = {
    "type": "object",
    "required": ["name", "image"],
    "additionalProperties": False,
    "properties": {
        "name": DNS_NAME,
        "image": {"type": "string", "minLength": 1},
        "command": {"type": "array", "items": {"type": "string"}},
        "args": {"type": "array", "items": {"type": "string"}},
        "env": {
            "type": "array",
            "items": {
                "type": "object",
                "required": ["name"],
                "additionalProperties": False,
                "properties": {"name": {"type": "string", "pattern": r"^[A-Za-z_][A-Za-z0-9_]*$"},
                               "value": {"type": "string"}},
            },
        },
        "resources": {
            "type": "object",
            "additionalProperties": False,
            "properties": {
                "requests": {"type": "object", "additionalProperties": QUANTITY},
                "limits": {"type": "object", "additionalProperties": QUANTITY},
            },
        },
        "volumeMounts": {
            "type": "array",
            "items": {
                "type": "object",
                "required": ["name", "mountPath"],
                "additionalProperties": False,
                "properties": {"name": DNS_NAME, "mountPath": {"type": "string", "pattern": "^/"},
                               "readOnly": {"type": "boolean"}},
            },
        },
    },
}

VOLUME = {
    "type": "object",
    "required": ["name"],
    "additionalProperties": False,
    "minProperties": 2,
    "maxProperties": 2,
    "properties": {
        "name": DNS_NAME,
        "persistentVolumeClaim": {"type": "object", "required": ["claimName"], "additionalProperties": False,
                                  "properties": {"claimName": DNS_NAME, "readOnly": {"type": "boolean"}}},
        "configMap": {"type": "object", "required": ["name"], "additionalProperties": False,
                      "properties": {"name": DNS_NAME}},
    },
}

JOB = {
    "type": "object",
    "required": ["apiVersion", "kind", "metadata", "spec"],
    "additionalProperties": False,
    "properties": {
        "apiVersion": {"const": "batch/v1"},
        "kind": {"const": "Job"},
        "metadata": {"type": "object", "required": ["name"], "properties": {"name": DNS_NAME}},
        "spec": {
            "type": "object",
            "required": ["template", "completions", "completionMode"],
            "additionalProperties": False,
            "properties": {
                "completionMode": {"enum": ["NonIndexed", "Indexed"]},
                "completions": {"type": "integer", "minimum": 1},
                "parallelism": {"type": "integer", "minimum": 0},
                "backoffLimit": {"type": "integer", "minimum": 0},
                "template": {
                    "type": "object",
                    "required": ["spec"],
                    "additionalProperties": False,
                    "properties": {
                        "spec": {
                            "type": "object",
                            "required": ["containers", "restartPolicy"],
                            "additionalProperties": False,
                            "properties": {
                                # A Job's pods may not restart Always.
                                "restartPolicy": {"enum": ["Never", "OnFailure"]},
                                "containers": {"type": "array", "minItems": 1, "items": CONTAINER},
                                "volumes": {"type": "array", "items": VOLUME},
                            },
                        }
                    },
                },
            },
        },
    },
}


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "docs/scale-out/pressmark-job.yaml"
    with open(path, encoding="utf-8") as f:
        job = yaml.safe_load(f)
    jsonschema.validate(job, JOB)
    body = job["spec"]
    pod = body["template"]["spec"]
    problems = []
    if body["completionMode"] != "Indexed":
        problems.append("completionMode must be Indexed: JOB_COMPLETION_INDEX exists only then")
    volumes = {v["name"] for v in pod.get("volumes", [])}
    for c in pod["containers"]:
        env = {e["name"]: e.get("value") for e in c.get("env", [])}
        line = " ".join(c.get("command", []) + c.get("args", []))
        if "JOB_COMPLETION_INDEX" not in line or "--shard" not in line:
            problems.append(f"{c['name']}: --shard does not come from JOB_COMPLETION_INDEX")
        if env.get("SHARDS") != str(body["completions"]):
            problems.append(f"{c['name']}: SHARDS ({env.get('SHARDS')}) differs from completions ({body['completions']})")
        for m in c.get("volumeMounts", []):
            if m["name"] not in volumes:
                problems.append(f"{c['name']}: mounts {m['name']}, which is no volume of the pod")
    if problems:
        sys.exit("\n".join(problems))
    print(f"{path}: a valid Indexed Job of {body['completions']} shards (minimal schema)")


if __name__ == "__main__":
    main()
